#include "platform/registry.h"

#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace {

// Paints the cells of a list view: the selection only in column 0 and only
// while the list has the focus, and with a colouring the row colours and text.
class ListPainter : public QStyledItemDelegate {
public:
    explicit ListPainter(QTreeWidget* list) : QStyledItemDelegate(list), list(list) {}

    bool coloured = false;
    QColor text, back, alternate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell(option);
        if (index.column() != 0 || !list->hasFocus())
            cell.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        if (coloured) {
            painter->fillRect(option.rect, index.row() % 2 == 0 ? back : alternate);
            cell.palette.setColor(QPalette::Text, text);
            cell.palette.setColor(QPalette::WindowText, text);
        }
        QStyledItemDelegate::paint(painter, cell, index);
    }

private:
    QTreeWidget* list;
};

ListPainter* PainterOf(QTreeWidget* list)
{
    return dynamic_cast<ListPainter*>(list->itemDelegate());
}

QString CssColour(Colour colour)
{
    return ToQColor(colour).name(QColor::HexRgb);
}

} // namespace

void InstallListPainter(QTreeWidget* list)
{
    list->setItemDelegate(new ListPainter(list));
}

void RemoveListColouring(QTreeWidget* list)
{
    if (ListPainter* painter = PainterOf(list))
        painter->coloured = false;
    list->viewport()->setPalette(list->palette());
    list->viewport()->update();
}

// A style sheet on the enabled state only: a disabled button falls back to
// the system look and takes the colours again when it is enabled.
void ColourButton(int control, Colour text, Colour face)
{
    const auto found = Registry.controls.find(control);
    if (found == Registry.controls.end() || found->second.kind != ControlKind::Button)
        return;
    auto* button = static_cast<QPushButton*>(found->second.widget.data());
    button->setStyleSheet(QString("QPushButton:enabled { color: %1; background-color: %2;"
                                  " border: 1px solid #7a7a7a; padding: 0px; }"
                                  "QPushButton:enabled:pressed { border: 2px inset #7a7a7a; }"
                                  "QPushButton:enabled:focus { border: 1px dotted #c0c0c0; }")
                              .arg(CssColour(text), CssColour(face)));
}

// Mode 2 is the alternating-row colouring; the header keeps the system look
// because only the viewport's palette changes.
void ColourList(int control, Colour text, Colour back, Colour alternate, int mode)
{
    QTreeWidget* list = ListWidget(control);
    ListPainter* painter = list ? PainterOf(list) : nullptr;
    if (!painter || mode != 2)
        return;
    painter->coloured = true;
    painter->text = ToQColor(text);
    painter->back = ToQColor(back);
    painter->alternate = ToQColor(alternate);
    QPalette palette = list->viewport()->palette();
    palette.setColor(QPalette::Base, painter->back);
    palette.setColor(QPalette::Window, painter->back);
    palette.setColor(QPalette::Text, painter->text);
    list->viewport()->setPalette(palette);
    list->viewport()->setAutoFillBackground(true);
    list->viewport()->update();
}
