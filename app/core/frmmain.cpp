#include "frmmain.h"
#include "ui_frmmain.h"

#include "contactschema.h"
#include "criteria.h"
#include "database.h"
#include "mediaplayer.h"
#include "rowset.h"
#include "services.h"
#include "storeerror.h"

#include "propertybag.h"
#include "qorvpanel.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLocale>
#include <QStatusBar>

#include <map>

using namespace orvanta;

namespace orvanta {

struct FindCommand {
    QString field;
    QString prompt;
    QString title;
    QString defaultText;
    QString notFound;
    QString found;
};

struct ModifyCommand {
    QString field;
    QString prompt;
    QString defaultText;
    QString notFound;
};

} // namespace orvanta

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int BannerStepTwips = 40;
constexpr int BannerTickMs = 24;
constexpr int FieldCount = 23;

const QString DatabaseFileName = u"数据库.mdb"_qs;
const QString Notice = u"提示"_qs;
const QString NothingToModify = u"数据库没有记录，没有什么可以修改！"_qs;

enum Page { GeneralPage = 0, ContactPage = 1, PicturePage = 2 };

const FindCommand FindByNumber{u"编号"_qs, u"请输入要查询的编号:"_qs, u"输入提示"_qs, u"0001"_qs,
                               u"没有找到你输入编号，该库还没有录入这条记录！"_qs, u"你要的记录已经找到了！"_qs};
const FindCommand FindByName{u"姓名"_qs, u"请输入要查询的姓名:"_qs, u"输入提示"_qs, u"陈XX"_qs,
                             u"没有找到该姓名，该库还没有录入这条记录！"_qs, u"你要的记录已经找到了！"_qs};
const FindCommand FindByMobile{u"手机号码"_qs, u"请输入要查询的手机号码："_qs, u"输入提示"_qs, u"138XXXXXXXX"_qs,
                               u"没有找到你输入的手机号码，该库还没有录入这条记录！"_qs, u"你找的记录已经找到了！"_qs};
const FindCommand FindByHomePhone{u"家庭电话"_qs, u"请输入要查询家庭电话号码:"_qs, u"输入信息"_qs, u"06630000000"_qs,
                                  u"没有找到你输入电话号码，该库还没有录入这条记录！"_qs, u"你要的记录已经找到了！"_qs};

const ModifyCommand ModifyByNumber{u"编号"_qs, u"请输入要修改的编号:"_qs, u"0001"_qs,
                                   u"没有找到你要修改的编号，该库还没有录入这条记录！"_qs};
const ModifyCommand ModifyByName{u"姓名"_qs, u"请输入要修改的姓名:"_qs, u"李XX"_qs,
                                 u"没有找到你要修改的姓名，该库还没有录入这条记录！"_qs};

struct ListBarItem {
    int group;
    const char16_t* caption;
    const char* picture;
};

// The list bar's items in the order they are added at load.
const ListBarItem ListBarItems[] = {
    {1, u"第一条记录", "Picture1"}, {1, u"上一条记录", "Picture4"}, {1, u"下一条记录", "Picture2"},
    {1, u"尾记录", "Picture3"},     {2, u"爱拼才会赢", "Picture5"}, {2, u"春江花月夜", "Picture5"},
    {2, u"恋曲2000", "Picture5"},   {2, u"古老的眼泪", "Picture5"}, {2, u"女孩与四重奏", "Picture5"},
    {3, u"日历", "Picture6"},       {4, u"按姓名查询", "Picture7"}, {4, u"按编号查询", "Picture7"},
    {4, u"按手机号码查询", "Picture7"}, {4, u"按家庭电话查询", "Picture7"},
};

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

frmmain::frmmain(Services& services, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmmain>()), m_services(services)
{
    Q_INIT_RESOURCE(frmmain);
    Q_INIT_RESOURCE(panels);
    ui->setupUi(this);
    loadPanels();
    makeSeparators();
    createStatusPanels();
    ui->Label23->adjustSize();
    for (const ContactField& contactField : ContactSchema::fields()) {
        if (contactField.kind == ColumnDef::Kind::Picture)
            ui->Data1->bindPicture(ui->Image8, contactField.name);
        else if (contactField.number == FieldCount)
            ui->Data1->bind(ui->Text23, contactField.name);
        else
            ui->Data1->bind(field(contactField.number), contactField.name);
    }
    for (int number = 1; number < FieldCount; ++number)
        field(number)->installEventFilter(this);
    ui->Text23->installEventFilter(this);
    ui->Text23->viewport()->installEventFilter(this);
    connectHandlers();
    m_bannerLeft = ui->Label23->x() * TwipsPerPixel;
    Timer1.setInterval(BannerTickMs);
    Timer1.start();
    Form_Load();
}

frmmain::~frmmain() = default;

QString frmmain::databasePath() const
{
    return m_services.programFolder() + u'/' + DatabaseFileName;
}

void frmmain::loadPanels()
{
    for (QorvPanel* panel : {ui->QorvPanel1, ui->QorvPanel2, ui->QorvPanel3, ui->QorvPanel4, ui->QorvPanel5,
                             ui->QorvPanel6, ui->QorvPanel7}) {
        QFile stored(u":/frmmain/panels/"_qs + panel->objectName() + u".bag"_qs);
        std::optional<qorv::PropertyBag> bag;
        if (stored.open(QIODevice::ReadOnly))
            bag = qorv::PropertyBag::deserialize(stored.readAll());
        qorv::AmbientProperties ambient;
        ambient.userMode = true;
        ambient.font = font();
        ambient.displayName = panel->objectName();
        panel->setAmbientProperties(ambient);
        if (bag)
            panel->readProperties(*bag);
        else
            panel->initProperties();
    }
}

void frmmain::makeSeparators()
{
    for (QAction* action : findChildren<QAction*>()) {
        if (action->text() == u"-"_qs) {
            action->setSeparator(true);
            action->setText(QString());
        }
    }
}

void frmmain::createStatusPanels()
{
    for (int i = 0; i < int(m_statusPanels.size()); ++i) {
        auto* panel = new QLabel(ui->StatusBar1);
        panel->setObjectName(u"Panel"_qs + QString::number(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        ui->StatusBar1->addWidget(panel, i == 0 ? 2 : 1);
        m_statusPanels[i] = panel;
    }
}

void frmmain::connectHandlers()
{
    connect(&Timer1, &QTimer::timeout, this, &frmmain::Timer1_Timer);
    connect(ui->Data1, &RecordSource::Reposition, this, &frmmain::Data1_Reposition);
    connect(ui->Data1, &RecordSource::error, this, &frmmain::Data1_Error);
    connect(ui->ctListBar1, &ListBar::itemClick, this, &frmmain::ctListBar1_ItemClick);

    connect(ui->mnusjl, &QAction::triggered, this, &frmmain::mnusjl_Click);
    connect(ui->mnusytjl, &QAction::triggered, this, &frmmain::mnusytjl_Click);
    connect(ui->mnuxytjl, &QAction::triggered, this, &frmmain::mnuxytjl_Click);
    connect(ui->mnuwjl, &QAction::triggered, this, &frmmain::mnuwjl_Click);
    connect(ui->mnuexit, &QAction::triggered, this, &frmmain::mnuexit_Click);

    connect(ui->mnuadd, &QAction::triggered, this, &frmmain::mnuadd_Click);
    connect(ui->mnusave, &QAction::triggered, this, &frmmain::mnusave_Click);
    connect(ui->mnuxgdqjl, &QAction::triggered, this, &frmmain::mnuxgdqjl_Click);

    connect(ui->mnuabhcx, &QAction::triggered, this, &frmmain::mnuabhcx_Click);
    connect(ui->mnuaxmcx, &QAction::triggered, this, &frmmain::mnuaxmcx_Click);
    connect(ui->mnuasjhmcx, &QAction::triggered, this, &frmmain::mnuasjhmcx_Click);
    connect(ui->mnuadhhmcx, &QAction::triggered, this, &frmmain::mnuadhhmcx_Click);
    connect(ui->mnuabhxgjl, &QAction::triggered, this, &frmmain::mnuabhxgjl_Click);
    connect(ui->mnuaxmxgjl, &QAction::triggered, this, &frmmain::mnuaxmxgjl_Click);

    connect(ui->mnudeldqjl, &QAction::triggered, this, &frmmain::mnudeldqjl_Click);
    connect(ui->mnudelall, &QAction::triggered, this, &frmmain::mnudelall_Click);

    connect(ui->asPopup1, &QToolButton::clicked, this, &frmmain::mnuadd_Click);
    connect(ui->asPopup2, &QToolButton::clicked, this, &frmmain::mnusave_Click);
    connect(ui->asPopup3, &QToolButton::clicked, this, &frmmain::mnudeldqjl_Click);
    connect(ui->asPopup4, &QToolButton::clicked, this, &frmmain::mnuxgdqjl_Click);
}

void frmmain::Form_Load()
{
    for (const QString& group : {u"背景音乐"_qs, u"日历"_qs, u"查询"_qs})
        ui->ctListBar1->addGroup(group);
    for (const ListBarItem& item : ListBarItems) {
        const auto* picture = findChild<QLabel*>(QLatin1String(item.picture));
        ui->ctListBar1->addItem(QString::fromUtf16(item.caption), picture->pixmap(), item.group);
    }
    m_statusPanels[3]->setText(QLocale::system().toString(m_services.today(), QLocale::LongFormat));
    m_statusPanels[0]->setText(databasePath() + u' ');

    const QString path = databasePath();
    if (!QFileInfo::exists(path)) {
        try {
            ContactSchema::createDatabase(path);
        } catch (const StoreError& failure) {
            m_services.messageBox(failure.message(), MessageIcon::Critical);
        }
    }
    ui->Data1->setDatabaseName(path);
    ui->Data1->setRecordSource(ContactSchema::tableName());
}

int frmmain::nextBannerLeft(int left, int width, int windowWidth)
{
    if (-width > left)
        left = windowWidth;
    return left - BannerStepTwips;
}

void frmmain::Timer1_Timer()
{
    m_bannerLeft = nextBannerLeft(m_bannerLeft, ui->Label23->width() * TwipsPerPixel, width() * TwipsPerPixel);
    ui->Label23->move(m_bannerLeft / TwipsPerPixel, ui->Label23->y());
}

void frmmain::Data1_Reposition()
{
    qint64 count = 0;
    try {
        // Counted through an opening of its own, so rows added or deleted
        // a moment before are in the figure.
        auto counter = Database::open(databasePath(), Database::Access::ReadOnly);
        count = counter->openRecordset(ContactSchema::tableName())->recordCount();
    } catch (const StoreError&) {
        count = ui->Data1->recordset() ? ui->Data1->recordset()->recordCount() : 0;
    }
    m_statusPanels[1]->setText(u"共有记录："_qs + QString::number(count) + u"条"_qs);
    const qint64 position = ui->Data1->recordset() ? ui->Data1->recordset()->absolutePosition() : -1;
    m_statusPanels[2]->setText(u"这是第"_qs + QString::number(position + 1) + u"条记录"_qs);
}

void frmmain::Data1_Error(const QString& message)
{
    m_services.messageBox(message, MessageIcon::Critical);
}

void frmmain::ctListBar1_ItemClick(int group, int item)
{
    using Handler = void (frmmain::*)();
    static const std::map<std::pair<int, int>, Handler> handlers = {
        {{1, 1}, &frmmain::mnusjl_Click},     {{1, 2}, &frmmain::mnusytjl_Click},
        {{1, 3}, &frmmain::mnuxytjl_Click},   {{1, 4}, &frmmain::mnuwjl_Click},
        {{4, 1}, &frmmain::mnuaxmcx_Click},   {{4, 2}, &frmmain::mnuabhcx_Click},
        {{4, 3}, &frmmain::mnuasjhmcx_Click}, {{4, 4}, &frmmain::mnuadhhmcx_Click},
    };
    const auto handler = handlers.find({group, item});
    if (handler != handlers.end())
        (this->*handler->second)();
}

RowSet& frmmain::rows() const
{
    if (!ui->Data1->recordset())
        throw StoreError(u"数据库 %1 没有打开"_qs.arg(databasePath()));
    return *ui->Data1->recordset();
}

qint64 frmmain::rowCount() const
{
    return ui->Data1->recordset() ? ui->Data1->recordset()->recordCount() : 0;
}

QLineEdit* frmmain::field(int number) const
{
    return findChild<QLineEdit*>(u"Text"_qs + QString::number(number));
}

void frmmain::reportFailures(const std::function<void()>& command)
{
    try {
        command();
    } catch (const StoreError& failure) {
        m_services.messageBox(failure.message(), MessageIcon::Critical);
    }
}

// Navigation

bool frmmain::reportEmptyTable()
{
    if (rowCount() != 0)
        return false;
    m_services.messageBox(u"数据库没有记录！"_qs, MessageIcon::Critical, MessageButtons::Ok, u"记录移动错误"_qs);
    return true;
}

void frmmain::mnusjl_Click()
{
    reportFailures([this] {
        if (reportEmptyTable())
            return;
        rows().moveFirst();
        if (rows().eof()) {
            m_services.messageBox(u"前面没有记录了,这是第一条记录！"_qs, MessageIcon::Exclamation, MessageButtons::Ok, Notice);
            rows().moveFirst();
        }
    });
}

void frmmain::mnusytjl_Click()
{
    reportFailures([this] {
        if (reportEmptyTable())
            return;
        if (!rows().bof())
            rows().movePrevious();
        if (rows().bof()) {
            m_services.messageBox(u"前面没有记录了,这是第一条记录!"_qs, MessageIcon::Exclamation, MessageButtons::Ok, Notice);
            rows().moveFirst();
        }
    });
}

void frmmain::mnuxytjl_Click()
{
    reportFailures([this] {
        if (reportEmptyTable())
            return;
        if (!rows().eof())
            rows().moveNext();
        if (rows().eof()) {
            m_services.messageBox(u"后面没有记录了,这是最后一条记录!"_qs, MessageIcon::Exclamation, MessageButtons::Ok,
                                  Notice);
            rows().moveLast();
        }
    });
}

void frmmain::mnuwjl_Click()
{
    reportFailures([this] {
        if (reportEmptyTable())
            return;
        rows().moveLast();
    });
}

void frmmain::mnuexit_Click()
{
    if (m_services.messageBox(u"要退出本系统吗？"_qs, MessageIcon::Question, MessageButtons::YesNo,
                              Services::ProgramTitle)
        != MessageAnswer::Yes)
        return;
    close();
    QCoreApplication::quit();
}

// Editing

void frmmain::SetFieldsLocked(bool locked)
{
    for (int number = 1; number < FieldCount; ++number)
        field(number)->setReadOnly(locked);
    ui->Text23->setReadOnly(locked);
}

void frmmain::enterViewing()
{
    SetFieldsLocked(true);
    ui->Command1->setEnabled(false);
    ui->Command2->setEnabled(false);
}

void frmmain::enterEditing()
{
    ui->Command1->setEnabled(true);
    ui->Command2->setEnabled(true);
    ui->asPopup2->setState(true);
    SetFieldsLocked(false);
}

void frmmain::mnuadd_Click()
{
    ui->SSTab1->setCurrentIndex(GeneralPage);
    enterEditing();
    try {
        rows().addNew();
        ui->Text1->setFocus();
        rows().update();
        rows().moveLast();
    } catch (const StoreError& failure) {
        if (ui->Data1->recordset() && rows().editMode() == RowSet::EditMode::AddNew)
            rows().cancelUpdate();
        enterViewing();
        ui->asPopup2->setState(false);
        m_services.messageBox(u"无法增加新的记录：%1"_qs.arg(failure.message()), MessageIcon::Critical);
    }
}

void frmmain::mnusave_Click()
{
    try {
        rows().edit();
        rows().update();
    } catch (const StoreError& failure) {
        // With no row there is nothing to store; otherwise what was typed
        // must not vanish without a word.
        if (ui->Data1->recordset() && rows().hasCurrentRow())
            m_services.messageBox(u"记录没有保存：%1"_qs.arg(failure.message()), MessageIcon::Critical);
        return;
    }
    SetFieldsLocked(true);
    ui->Command1->setEnabled(false);
    ui->Command2->setEnabled(false);
    ui->asPopup2->setState(false);
}

void frmmain::mnuxgdqjl_Click()
{
    ui->SSTab1->setCurrentIndex(GeneralPage);
    if (rowCount() < 1) {
        m_services.messageBox(NothingToModify, MessageIcon::Information);
        enterViewing();
        return;
    }
    enterEditing();
    try {
        rows().edit();
    } catch (const StoreError&) {
        return;
    }
    ui->Text1->setFocus();
}

bool frmmain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->Text23->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        Text23_DblClick();
        return false;
    }
    if (event->type() != QEvent::KeyPress || !isEnter(static_cast<QKeyEvent*>(event)))
        return QMainWindow::eventFilter(watched, event);
    if (watched == ui->Text23) {
        // The Enter still reaches the notes as a line break afterwards.
        askToAddAnother();
        return false;
    }
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return QMainWindow::eventFilter(watched, event);
    // The last field of a page turns to the next page, and the focus goes
    // on as a Tab would take it, into that page.
    if (box == ui->Text16)
        ui->SSTab1->setCurrentIndex(ContactPage);
    else if (box == ui->Text22)
        ui->SSTab1->setCurrentIndex(PicturePage);
    focusNextInTabOrder(box);
    return true;
}

void frmmain::focusNextInTabOrder(QWidget* from)
{
    for (QWidget* next = from->nextInFocusChain(); next != from; next = next->nextInFocusChain()) {
        if (next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void frmmain::Text23_DblClick()
{
    askToAddAnother();
}

void frmmain::askToAddAnother()
{
    if (m_services.messageBox(u"还要增加新的记录吗？"_qs, MessageIcon::Question, MessageButtons::YesNo)
        == MessageAnswer::Yes)
        mnuadd_Click();
}

// Finding

void frmmain::find(const FindCommand& command)
{
    ui->SSTab1->setCurrentIndex(GeneralPage);
    const QString text = m_services.inputBox(command.prompt, command.title, command.defaultText);
    reportFailures([&] {
        rows().findFirst(Criteria::equals(command.field, text));
        if (rows().noMatch())
            m_services.messageBox(command.notFound, MessageIcon::Information, MessageButtons::Ok, Notice);
        else
            m_services.messageBox(command.found, MessageIcon::Information, MessageButtons::Ok, u"信息"_qs);
    });
}

void frmmain::mnuabhcx_Click() { find(FindByNumber); }
void frmmain::mnuaxmcx_Click() { find(FindByName); }
void frmmain::mnuasjhmcx_Click() { find(FindByMobile); }
void frmmain::mnuadhhmcx_Click() { find(FindByHomePhone); }

void frmmain::modifyByKey(const ModifyCommand& command)
{
    ui->SSTab1->setCurrentIndex(GeneralPage);
    if (rowCount() < 1) {
        enterViewing();
        m_services.messageBox(NothingToModify, MessageIcon::Information);
        return;
    }
    enterEditing();
    const QString text = m_services.inputBox(command.prompt, u"修改"_qs, command.defaultText);
    try {
        rows().findFirst(Criteria::equals(command.field, text));
    } catch (const StoreError&) {
        return;
    }
    ui->Text1->setFocus();
    if (rows().noMatch())
        m_services.messageBox(command.notFound, MessageIcon::Information, MessageButtons::Ok, Notice);
}

void frmmain::mnuabhxgjl_Click() { modifyByKey(ModifyByNumber); }
void frmmain::mnuaxmxgjl_Click() { modifyByKey(ModifyByName); }

// Deleting

void frmmain::playDeletionSound()
{
    // A missing or unplayable sound does not stop a deletion.
    try {
        if (!MediaPlayer2)
            MediaPlayer2 = m_services.createMediaPlayer();
        MediaPlayer2->setFileName(m_services.programFolder() + u"/del.wav"_qs);
        MediaPlayer2->play();
    } catch (const MediaError&) {
    }
}

void frmmain::mnudeldqjl_Click()
{
    enterViewing();
    if (m_services.messageBox(u"真的要删除这条记录吗？"_qs, MessageIcon::Question, MessageButtons::YesNo)
        != MessageAnswer::Yes)
        return;
    if (rowCount() <= 0) {
        m_services.messageBox(u"没有记录可以删除，数据库还是空的。"_qs, MessageIcon::Information);
        return;
    }
    try {
        rows().edit();
        rows().update();
        rows().deleteCurrent();
        rows().movePrevious();
        // Deleting the first row leaves nothing before it: show the new first row.
        if (rows().bof() && rows().recordCount() > 0)
            rows().moveFirst();
    } catch (const StoreError&) {
        return;
    }
    playDeletionSound();
}

void frmmain::mnudelall_Click()
{
    enterViewing();
    if (m_services.messageBox(u"真的要删除所有的记录吗？"_qs, MessageIcon::Question, MessageButtons::YesNo,
                              u"请注意！！！"_qs)
        != MessageAnswer::Yes)
        return;
    if (rowCount() == 0) {
        m_services.messageBox(u"数据库没有记录，没有什么可以删除！"_qs, MessageIcon::Information, MessageButtons::Ok,
                              u"删除"_qs);
        return;
    }
    try {
        rows().deleteAll();
    } catch (const StoreError&) {
        return;
    }
    playDeletionSound();
    m_services.messageBox(u"所有记录已经删除完毕！"_qs, MessageIcon::Exclamation, MessageButtons::Ok, u"删除"_qs);
}
