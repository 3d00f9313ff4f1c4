#include "recordsource.h"

#include "database.h"
#include "storeerror.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>

using orvanta::RowSet;
using orvanta::StoreError;

namespace {
QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow, bool toEnd)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRaise(false);
    if (toEnd)
        button->setText(arrow == Qt::LeftArrow ? QStringLiteral("|<") : QStringLiteral(">|"));
    button->setToolButtonStyle(toEnd ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(toEnd ? 20 : 16);
    return button;
}
} // namespace

RecordSource::RecordSource(QWidget* parent) : QWidget(parent), m_caption(new QLabel(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* first = arrowButton(this, Qt::LeftArrow, true);
    auto* previous = arrowButton(this, Qt::LeftArrow, false);
    auto* next = arrowButton(this, Qt::RightArrow, false);
    auto* last = arrowButton(this, Qt::RightArrow, true);
    m_caption->setFrameShape(QFrame::Panel);
    m_caption->setFrameShadow(QFrame::Sunken);
    m_caption->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(first);
    layout->addWidget(previous);
    layout->addWidget(m_caption);
    layout->addWidget(next);
    layout->addWidget(last);
    first->setObjectName(QStringLiteral("moveFirst"));
    previous->setObjectName(QStringLiteral("movePrevious"));
    next->setObjectName(QStringLiteral("moveNext"));
    last->setObjectName(QStringLiteral("moveLast"));
    QObject::connect(first, &QToolButton::clicked, this, [this] { arrowClicked(&RowSet::moveFirst); });
    QObject::connect(previous, &QToolButton::clicked, this, [this] { arrowClicked(&RowSet::movePrevious); });
    QObject::connect(next, &QToolButton::clicked, this, [this] { arrowClicked(&RowSet::moveNext); });
    QObject::connect(last, &QToolButton::clicked, this, [this] { arrowClicked(&RowSet::moveLast); });
}

RecordSource::~RecordSource()
{
    if (m_rows)
        m_rows->setObserver(nullptr);
}

QString RecordSource::caption() const
{
    return m_caption->text();
}

void RecordSource::setCaption(const QString& caption)
{
    m_caption->setText(caption);
}

void RecordSource::setDatabaseName(const QString& path)
{
    m_databaseName = path;
    scheduleOpen();
}

void RecordSource::setRecordSource(const QString& source)
{
    m_recordSource = source;
    scheduleOpen();
}

void RecordSource::scheduleOpen()
{
    if (m_openScheduled)
        return;
    m_openScheduled = true;
    QTimer::singleShot(0, this, [this] {
        if (m_openScheduled)
            open();
    });
}

void RecordSource::refresh()
{
    open();
}

void RecordSource::close()
{
    if (m_rows)
        m_rows->setObserver(nullptr);
    m_rows.reset();
    m_database.reset();
}

void RecordSource::open()
{
    m_openScheduled = false;
    close();
    if (m_databaseName.isEmpty() || m_recordSource.isEmpty())
        return;
    try {
        m_database = orvanta::Database::open(m_databaseName);
        m_rows = m_database->openRecordset(m_recordSource);
        m_rows->setObserver(this);
    } catch (const StoreError& failure) {
        close();
        showCurrentRow();
        emit error(failure.message());
        return;
    }
    rowChanged(*m_rows);
}

void RecordSource::bind(QLineEdit* box, const QString& field)
{
    m_bindings.append({box, field});
}

void RecordSource::bind(QPlainTextEdit* box, const QString& field)
{
    m_bindings.append({box, field});
}

void RecordSource::bindPicture(QLabel* picture, const QString& field)
{
    m_bindings.append({picture, field});
}

void RecordSource::arrowClicked(void (RowSet::*move)())
{
    if (!m_rows || m_rows->recordCount() == 0)
        return;
    try {
        if ((move == &RowSet::movePrevious && m_rows->bof()) || (move == &RowSet::moveNext && m_rows->eof()))
            return;
        (m_rows.get()->*move)();
        // Like a data control's own arrows: stop on the first or last row.
        if (m_rows->bof())
            m_rows->moveFirst();
        else if (m_rows->eof())
            m_rows->moveLast();
    } catch (const StoreError& failure) {
        emit error(failure.message());
    }
}

bool RecordSource::boundControlsChanged() const
{
    for (const Binding& binding : m_bindings) {
        if (auto* line = qobject_cast<QLineEdit*>(binding.control); line && line->isModified())
            return true;
        if (auto* text = qobject_cast<QPlainTextEdit*>(binding.control); text && text->document()->isModified())
            return true;
        if (auto* picture = qobject_cast<QLabel*>(binding.control);
            picture && picture->property(PictureChangedProperty).toBool())
            return true;
    }
    return false;
}

void RecordSource::rowAboutToChange(RowSet& rows)
{
    // What was typed is stored before another row is shown, as a bound
    // record source does; an edit left open is finished the same way.
    const bool editOpen = rows.editMode() != RowSet::EditMode::None;
    if (!editOpen && !(rows.hasCurrentRow() && boundControlsChanged()))
        return;
    try {
        if (!editOpen)
            rows.edit();
        rows.update();
    } catch (const StoreError& failure) {
        emit error(QStringLiteral("当前记录的修改没有能够保存：%1").arg(failure.message()));
    }
}

void RecordSource::aboutToUpdate(RowSet& rows)
{
    for (const Binding& binding : std::as_const(m_bindings)) {
        if (auto* line = qobject_cast<QLineEdit*>(binding.control))
            rows.setValue(binding.field, line->text());
        else if (auto* text = qobject_cast<QPlainTextEdit*>(binding.control))
            rows.setValue(binding.field, text->toPlainText());
        else if (auto* picture = qobject_cast<QLabel*>(binding.control)) {
            const QByteArray bytes = picture->property(PictureDataProperty).toByteArray();
            rows.setValue(binding.field, bytes.isEmpty() ? QVariant() : QVariant(bytes));
        }
    }
}

void RecordSource::rowStored(RowSet&)
{
    markBoundControlsUnchanged();
}

void RecordSource::markBoundControlsUnchanged()
{
    for (const Binding& binding : std::as_const(m_bindings)) {
        if (auto* line = qobject_cast<QLineEdit*>(binding.control))
            line->setModified(false);
        else if (auto* text = qobject_cast<QPlainTextEdit*>(binding.control))
            text->document()->setModified(false);
        else if (binding.control)
            binding.control->setProperty(PictureChangedProperty, false);
    }
}

void RecordSource::rowChanged(RowSet&)
{
    showCurrentRow();
    emit Reposition();
}

void RecordSource::showCurrentRow()
{
    const bool hasRow = m_rows && (m_rows->hasCurrentRow() || m_rows->editMode() == RowSet::EditMode::AddNew);
    for (const Binding& binding : std::as_const(m_bindings)) {
        QVariant value;
        if (hasRow) {
            try {
                value = m_rows->value(binding.field);
            } catch (const StoreError&) {
                // A row removed meanwhile by another window shows empty.
            }
        }
        if (auto* line = qobject_cast<QLineEdit*>(binding.control)) {
            line->setText(value.toString());
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(binding.control)) {
            text->setPlainText(value.toString());
        } else if (auto* picture = qobject_cast<QLabel*>(binding.control)) {
            const QByteArray bytes = value.toByteArray();
            QPixmap pixmap;
            pixmap.loadFromData(bytes);
            picture->setPixmap(pixmap);
            picture->setProperty(PictureDataProperty, bytes);
        }
    }
    markBoundControlsUnchanged();
}
