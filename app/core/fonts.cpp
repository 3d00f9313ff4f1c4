#include "fonts.h"

#include <QApplication>
#include <QFont>

namespace orvanta {

void installFontSubstitutions()
{
    QFont::insertSubstitutions(u"宋体"_qs, {u"AR PL UMing CN"_qs, u"WenQuanYi Zen Hei"_qs});
    QFont::insertSubstitutions(u"华文行楷"_qs, {u"AR PL UKai CN"_qs, u"WenQuanYi Zen Hei"_qs});
    QFont plain(u"WenQuanYi Zen Hei"_qs, 9);
    QApplication::setFont(plain);
}

} // namespace orvanta
