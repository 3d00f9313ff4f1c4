#include "fonts.h"
#include "frmmain.h"
#include "qtservices.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    orvanta::installFontSubstitutions();
    orvanta::QtServices services;
    frmmain window(services);
    window.showMaximized();
    return app.exec();
}
