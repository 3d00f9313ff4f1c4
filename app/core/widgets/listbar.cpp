#include "listbar.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int iconSide = 32;
constexpr int cellHeight = 60;

// One group's items: a column of large icons with their captions under them,
// each cell as wide as the column so that icon and caption stay centred.
class IconColumn : public QListWidget
{
public:
    explicit IconColumn(QWidget* parent)
        : QListWidget(parent)
    {
        setViewMode(QListView::IconMode);
        setFlow(QListView::TopToBottom);
        setWrapping(false);
        setMovement(QListView::Static);
        setResizeMode(QListView::Adjust);
        setWordWrap(true);
        setIconSize(QSize(iconSide, iconSide));
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setSelectionMode(QAbstractItemView::NoSelection);
        setFrameShape(QFrame::NoFrame);
    }

    void addCell(QListWidgetItem* cell)
    {
        cell->setSizeHint(cellSize());
        addItem(cell);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QListWidget::resizeEvent(event);
        for (int row = 0; row < count(); ++row)
            item(row)->setSizeHint(cellSize());
    }

private:
    QSize cellSize() const { return {viewport()->width(), cellHeight}; }
};

} // namespace

ListBar::ListBar(QWidget* parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
}

int ListBar::addGroup(const QString& caption)
{
    const int number = groupCount() + 1;
    auto* header = new QPushButton(caption, this);
    auto* items = new IconColumn(this);
    m_layout->addWidget(header);
    m_layout->addWidget(items, 1);
    connect(header, &QPushButton::clicked, this, [this, number] { setCurrentGroup(number); });
    connect(items, &QListWidget::itemClicked, this, [this, number, items](QListWidgetItem* item) {
        emit itemClick(number, items->row(item) + 1);
    });
    m_groups.push_back({header, items});

    if (m_currentGroup == 0)
        setCurrentGroup(number);
    else
        items->hide();
    return number;
}

void ListBar::addItem(const QString& caption, const QPixmap& icon, int group)
{
    if (!hasGroup(group))
        return;
    auto* item = new QListWidgetItem(QIcon(icon), caption);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    static_cast<IconColumn*>(m_groups[group - 1].items)->addCell(item);
}

int ListBar::groupCount() const
{
    return static_cast<int>(m_groups.size());
}

int ListBar::itemCount(int group) const
{
    return hasGroup(group) ? m_groups[group - 1].items->count() : 0;
}

QString ListBar::groupCaption(int group) const
{
    return hasGroup(group) ? m_groups[group - 1].header->text() : QString();
}

QString ListBar::itemCaption(int group, int item) const
{
    if (!hasGroup(group) || item < 1 || item > itemCount(group))
        return {};
    return m_groups[group - 1].items->item(item - 1)->text();
}

QStringList ListBar::groupCaptions() const
{
    QStringList captions;
    for (const Group& group : m_groups)
        captions << group.header->text();
    return captions;
}

void ListBar::setGroupCaptions(const QStringList& captions)
{
    for (const Group& group : m_groups) {
        delete group.header;
        delete group.items;
    }
    m_groups.clear();
    m_currentGroup = 0;
    for (const QString& caption : captions)
        addGroup(caption);
}

void ListBar::setCurrentGroup(int group)
{
    if (!hasGroup(group))
        return;
    m_currentGroup = group;
    for (int number = 1; number <= groupCount(); ++number)
        m_groups[number - 1].items->setVisible(number == group);
}

bool ListBar::hasGroup(int group) const
{
    return group >= 1 && group <= groupCount();
}
