#include "platform/registry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeZone>

// A date picker that leaves with Tab like every other control; its day,
// month and year are walked with the arrow keys instead.
class DatePicker : public QDateTimeEdit {
public:
    using QDateTimeEdit::QDateTimeEdit;
protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

namespace {

// Date pickers hold wall-clock fields; UTC keeps them free of zone shifts.
const QDateTime PickerFirst(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC);
const QDateTime PickerLast(QDate(2038, 1, 19), QTime(3, 14), Qt::UTC);

ControlKind KindOf(int number)
{
    return Registry.controls.at(number).kind;
}

// "%dd.%mm.%yyyy" in the toolkit's own display format.
QString PickerFormat(const std::string& mask)
{
    QString format = ToQString(mask);
    format.replace("%yyyy", "yyyy").replace("%yy", "yy").replace("%mm", "MM").replace("%dd", "dd");
    format.replace("%hh", "HH").replace("%ii", "mm").replace("%ss", "ss");
    return format;
}

} // namespace

void CreateTextLabel(int number, int x, int y, int width, int height, const std::string& text)
{
    auto* label = AddControl<QLabel>(number, ControlKind::Label, x, y, width, height);
    if (!label)
        return;
    label->setText(ToQString(text));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
}

void SetControlColour(int number, int attribute, Colour colour)
{
    QWidget* widget = ControlWidget(number);
    if (!widget)
        return;
    QPalette palette = widget->palette();
    if (attribute == ControlTextColour) {
        palette.setColor(QPalette::WindowText, ToQColor(colour));
        palette.setColor(QPalette::Text, ToQColor(colour));
    } else if (attribute == ControlBackColour) {
        palette.setColor(QPalette::Window, ToQColor(colour));
        palette.setColor(QPalette::Base, ToQColor(colour));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void CreateComboBox(int number, int x, int y, int width, int height)
{
    // The height given includes the opened list; the closed box is 20 high.
    constexpr int ClosedHeight = 20;
    auto* combo = AddControl<QComboBox>(number, ControlKind::Combo, x, y, width, ClosedHeight);
    if (!combo)
        return;
    combo->setEditable(false);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // A list that drops below the box, not a menu laid over it, so that the
    // height given bounds it.
    combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    const int rowHeight = combo->fontMetrics().height() + 4;
    combo->setMaxVisibleItems(qMax(1, (height - ClosedHeight) / rowHeight));
    QObject::connect(combo, QOverload<int>::of(&QComboBox::activated), combo,
                     [number, window = Registry.currentWindow](int) { QueueControlEvent(window, number, 1); });
}

void CreateStringField(int number, int x, int y, int width, int height, const std::string& text)
{
    auto* field = AddControl<QLineEdit>(number, ControlKind::Field, x, y, width, height);
    if (!field)
        return;
    field->setText(ToQString(text));
    field->setCursorPosition(0);
    QObject::connect(field, &QLineEdit::textEdited, field,
                     [number, window = Registry.currentWindow](const QString&) { QueueControlEvent(window, number, 3); });
}

void CreateDatePicker(int number, int x, int y, int width, int height, const std::string& mask, int32_t value)
{
    auto* picker = AddControl<DatePicker>(number, ControlKind::DatePicker, x, y, width, height);
    if (!picker)
        return;
    picker->setTimeSpec(Qt::UTC);
    picker->setDateTimeRange(PickerFirst, PickerLast);
    picker->setDisplayFormat(PickerFormat(mask));
    picker->setCalendarPopup(true);
    SetDatePickerValue(number, value);
    QObject::connect(picker, &QDateTimeEdit::editingFinished, picker,
                     [number, window = Registry.currentWindow]() { QueueControlEvent(window, number, 3); });
}

void CreateButton(int number, int x, int y, int width, int height, const std::string& text)
{
    auto* button = AddControl<QPushButton>(number, ControlKind::Button, x, y, width, height);
    if (!button)
        return;
    button->setText(ToQString(text));
    button->setAutoDefault(false);
    button->setDefault(false);
    QObject::connect(button, &QPushButton::clicked, button,
                     [number, window = Registry.currentWindow]() { QueueControlEvent(window, number, 1); });
}

void CreateImageView(int number, int x, int y, int width, int height, int image)
{
    auto* view = AddControl<QLabel>(number, ControlKind::ImageView, x, y, width, height);
    if (!view)
        return;
    const auto found = Registry.images.find(image);
    if (found == Registry.images.end())
        return;
    view->setPixmap(QPixmap::fromImage(found->second));
    view->resize(found->second.size());
}

void FreeControl(int number)
{
    const auto found = Registry.controls.find(number);
    if (found == Registry.controls.end())
        return;
    delete found->second.widget.data();
    Registry.controls.erase(found);
}

int IsControl(int number)
{
    return ControlWidget(number) ? 1 : 0;
}

void SetAccessibleName(int number, const std::string& name)
{
    if (QWidget* widget = ControlWidget(number))
        widget->setAccessibleName(ToQString(name));
}

// On desktops that name a field by its caption (AT-SPI), the label becomes
// the control's buddy, which the accessibility bridge reports as labelling it.
void SetLabelFor(int label, int control)
{
    QWidget* caption = ControlWidget(label);
    QWidget* widget = ControlWidget(control);
    if (caption && widget && KindOf(label) == ControlKind::Label)
        static_cast<QLabel*>(caption)->setBuddy(widget);
}

std::string ControlText(int number)
{
    QWidget* widget = ControlWidget(number);
    if (!widget)
        return {};
    switch (KindOf(number)) {
    case ControlKind::Label:
        return static_cast<QLabel*>(widget)->text().toStdString();
    case ControlKind::Field:
        return static_cast<QLineEdit*>(widget)->text().toStdString();
    case ControlKind::Button:
        return static_cast<QPushButton*>(widget)->text().toStdString();
    case ControlKind::Combo:
        return static_cast<QComboBox*>(widget)->currentText().toStdString();
    case ControlKind::DatePicker:
        return static_cast<QDateTimeEdit*>(widget)->text().toStdString();
    default:
        return {};
    }
}

void SetControlText(int number, const std::string& text)
{
    QWidget* widget = ControlWidget(number);
    if (!widget)
        return;
    switch (KindOf(number)) {
    case ControlKind::Label:
        static_cast<QLabel*>(widget)->setText(ToQString(text));
        break;
    case ControlKind::Field:
        static_cast<QLineEdit*>(widget)->setText(ToQString(text));
        break;
    case ControlKind::Button:
        static_cast<QPushButton*>(widget)->setText(ToQString(text));
        break;
    default:
        break;
    }
}

namespace {

QComboBox* Combo(int number)
{
    QWidget* widget = ControlWidget(number);
    return widget && KindOf(number) == ControlKind::Combo ? static_cast<QComboBox*>(widget) : nullptr;
}

QDateTimeEdit* Picker(int number)
{
    QWidget* widget = ControlWidget(number);
    return widget && KindOf(number) == ControlKind::DatePicker ? static_cast<QDateTimeEdit*>(widget) : nullptr;
}

} // namespace

// The opened list grows wide enough to show every item whole, so long rank
// names are not cut in the middle.
void InsertComboItem(int number, int position, const std::string& text)
{
    QComboBox* combo = Combo(number);
    if (!combo)
        return;
    const QString item = ToQString(text);
    combo->insertItem(position < 0 ? combo->count() : position, item);
    QAbstractItemView* list = combo->view();
    const int needed = list->fontMetrics().horizontalAdvance(item) + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
    if (needed > list->minimumWidth())
        list->setMinimumWidth(needed);
}

int SelectComboItemByText(int number, const std::string& text)
{
    QComboBox* combo = Combo(number);
    if (!combo)
        return -1;
    const int index = combo->findText(ToQString(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        combo->setCurrentIndex(index);
    return index;
}

int SelectedComboItem(int number)
{
    QComboBox* combo = Combo(number);
    return combo ? combo->currentIndex() : -1;
}

void SelectComboItem(int number, int index)
{
    if (QComboBox* combo = Combo(number))
        combo->setCurrentIndex(index);
}

int CountComboItems(int number)
{
    QComboBox* combo = Combo(number);
    return combo ? combo->count() : 0;
}

std::string ComboItemText(int number, int index)
{
    QComboBox* combo = Combo(number);
    return combo ? combo->itemText(index).toStdString() : std::string();
}

int32_t DatePickerValue(int number)
{
    QDateTimeEdit* picker = Picker(number);
    if (!picker)
        return 0;
    QDateTime shown = picker->dateTime();
    shown.setTimeSpec(Qt::UTC);
    return static_cast<int32_t>(shown.toSecsSinceEpoch());
}

void SetDatePickerValue(int number, int32_t value)
{
    QDateTimeEdit* picker = Picker(number);
    if (!picker)
        return;
    // Minute resolution: the seconds of the value are dropped.
    const int64_t minute = value < 0 ? 0 : int64_t(value) - int64_t(value) % 60;
    QDateTime shown = QDateTime::fromSecsSinceEpoch(minute, Qt::UTC);
    if (shown > PickerLast)
        shown = PickerLast;
    picker->setDateTime(shown);
}
