#pragma once

#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <vector>

class QListWidget;
class QPushButton;
class QVBoxLayout;

// An Outlook-style bar: a column of group header buttons, with the items of
// the current group shown as large icons below its header. Groups and items
// are numbered from 1, as the window that hosts the bar counts them.
class ListBar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QStringList groupCaptions READ groupCaptions WRITE setGroupCaptions)
    Q_PROPERTY(int currentGroup READ currentGroup WRITE setCurrentGroup)

public:
    explicit ListBar(QWidget* parent = nullptr);

    // Appends a group and returns its number.
    int addGroup(const QString& caption);
    // Appends an item to the group numbered `group`; an unknown group is ignored.
    void addItem(const QString& caption, const QPixmap& icon, int group);

    int groupCount() const;
    int itemCount(int group) const;
    QString groupCaption(int group) const;
    QString itemCaption(int group, int item) const;

    QStringList groupCaptions() const;
    // Replaces every group, and its items, with empty groups of these captions.
    void setGroupCaptions(const QStringList& captions);

    // 0 while the bar has no group.
    int currentGroup() const { return m_currentGroup; }
    void setCurrentGroup(int group);

signals:
    void itemClick(int group, int item);

private:
    struct Group
    {
        QPushButton* header;
        QListWidget* items;
    };

    bool hasGroup(int group) const;

    QVBoxLayout* m_layout;
    std::vector<Group> m_groups;
    int m_currentGroup = 0;
};
