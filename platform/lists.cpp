#include "platform/registry.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace {

// The header is made left-aligned and fixed in order, as in a report list.
void SetColumn(QTreeWidget* list, int column, const std::string& title, int width)
{
    if (column >= list->columnCount())
        list->setColumnCount(column + 1);
    list->headerItem()->setText(column, ToQString(title));
    list->headerItem()->setTextAlignment(column, Qt::AlignLeft | Qt::AlignVCenter);
    list->header()->resizeSection(column, width);
}

IconSetRecord* FindSet(int set)
{
    const auto found = Registry.iconSets.find(set);
    return found == Registry.iconSets.end() ? nullptr : &found->second;
}

// The row's picture from the list's installed set; none when the set lacks it.
void ShowRowIcon(QTreeWidgetItem* item, const IconSetRecord* set)
{
    const int index = item->data(0, IconIndexRole).toInt();
    if (set && index >= 0 && index < static_cast<int>(set->icons.size()))
        item->setIcon(0, set->icons[index]);
    else
        item->setIcon(0, QIcon());
}

} // namespace

void CreateListView(int number, int x, int y, int width, int height, const std::string& title0, int width0)
{
    auto* list = AddControl<QTreeWidget>(number, ControlKind::List, x, y, width, height);
    if (!list)
        return;
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setIconSize(QSize(20, 20));
    list->setDragEnabled(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(false);
    list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->setColumnCount(1);
    SetColumn(list, 0, title0, width0);
    InstallListPainter(list);
    QObject::connect(list, &QTreeWidget::itemClicked, list,
                     [number, window = Registry.currentWindow](QTreeWidgetItem*, int) { QueueControlEvent(window, number, 1); });
}

void AddListColumn(int number, int index, const std::string& title, int width)
{
    if (QTreeWidget* list = ListWidget(number); list && index >= 0)
        SetColumn(list, index, title, width);
}

int CountListColumns(int number)
{
    QTreeWidget* list = ListWidget(number);
    return list ? list->columnCount() : 0;
}

std::string ListColumnTitle(int number, int column)
{
    QTreeWidget* list = ListWidget(number);
    return list ? list->headerItem()->text(column).toStdString() : std::string();
}

int ListColumnWidth(int number, int column)
{
    QTreeWidget* list = ListWidget(number);
    return list ? list->header()->sectionSize(column) : 0;
}

int InsertListRow(int number, int row, const std::string& text, int icon)
{
    QTreeWidget* list = ListWidget(number);
    if (!list || row < 0)
        return -1;
    const int at = row > list->topLevelItemCount() ? list->topLevelItemCount() : row;
    auto* item = new QTreeWidgetItem();
    item->setText(0, ToQString(text));
    item->setData(0, IconIndexRole, icon);
    ShowRowIcon(item, FindSet(Registry.controls[number].iconSet));
    list->insertTopLevelItem(at, item);
    return at;
}

// A list's cells change in bursts (a whole schedule at a time), so their
// change notices are held back and given once, when the burst is over: a
// notice per cell cost more than the rest of the fill together.
void SetListText(int number, int row, int column, const std::string& text)
{
    QTreeWidget* list = ListWidget(number);
    QTreeWidgetItem* item = list && column >= 0 && column < list->columnCount() ? list->topLevelItem(row) : nullptr;
    if (!item)
        return;
    QAbstractItemModel* model = list->model();
    const bool wasBlocked = model->blockSignals(true);
    item->setText(column, ToQString(text));
    model->blockSignals(wasBlocked);
    ControlRecord& record = Registry.controls[number];
    if (record.cellNoticePending)
        return;
    record.cellNoticePending = true;
    QMetaObject::invokeMethod(list, [list, number] {
        Registry.controls[number].cellNoticePending = false;
        QAbstractItemModel* model = list->model();
        const int rows = model->rowCount();
        if (rows > 0)
            emit model->dataChanged(model->index(0, 0), model->index(rows - 1, model->columnCount() - 1));
    }, Qt::QueuedConnection);
}

void ClearList(int number)
{
    if (QTreeWidget* list = ListWidget(number)) {
        list->clear();
        RemoveListColouring(list);
    }
}

int CountListRows(int number)
{
    QTreeWidget* list = ListWidget(number);
    return list ? list->topLevelItemCount() : 0;
}

std::string ListText(int number, int row, int column)
{
    QTreeWidget* list = ListWidget(number);
    QTreeWidgetItem* item = list ? list->topLevelItem(row) : nullptr;
    return item ? item->text(column).toStdString() : std::string();
}

int ListRowIcon(int number, int row)
{
    QTreeWidget* list = ListWidget(number);
    QTreeWidgetItem* item = list ? list->topLevelItem(row) : nullptr;
    return item ? item->data(0, IconIndexRole).toInt() : -1;
}

void RefreshListIcons(int number)
{
    QTreeWidget* list = ListWidget(number);
    if (!list)
        return;
    const IconSetRecord* set = FindSet(Registry.controls[number].iconSet);
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        ShowRowIcon(list->topLevelItem(row), set);
}

int CreateIconSet(int width, int height, int, int, int)
{
    const int handle = Registry.nextIconSet++;
    Registry.iconSets[handle] = IconSetRecord{width, height, {}};
    return handle;
}

void FreeIconSet(int set)
{
    if (!Registry.iconSets.erase(set))
        return;
    // A list never shows icons of a set that is gone.
    for (auto& [number, control] : Registry.controls)
        if (control.kind == ControlKind::List && control.iconSet == set) {
            control.iconSet = 0;
            RefreshListIcons(number);
        }
}

int AddIconToSet(int set, int image)
{
    IconSetRecord* record = FindSet(set);
    const auto found = Registry.images.find(image);
    if (!record || found == Registry.images.end())
        return -1;
    const QImage& picture = found->second;
    const bool fits = picture.width() == record->width && picture.height() == record->height;
    record->icons.emplace_back(QPixmap::fromImage(fits ? picture : picture.copy(0, 0, record->width, record->height)));
    return static_cast<int>(record->icons.size()) - 1;
}

int CountIconsInSet(int set)
{
    const IconSetRecord* record = FindSet(set);
    return record ? static_cast<int>(record->icons.size()) : 0;
}

int InstallIconSet(int list, int set)
{
    const auto found = Registry.controls.find(list);
    if (found == Registry.controls.end() || found->second.kind != ControlKind::List)
        return 0;
    const int previous = found->second.iconSet;
    found->second.iconSet = set;
    RefreshListIcons(list);
    return previous;
}

int CountIconSets()
{
    return static_cast<int>(Registry.iconSets.size());
}

Colour IconPixel(int set, int index, int x, int y)
{
    const IconSetRecord* record = FindSet(set);
    if (!record || index < 0 || index >= static_cast<int>(record->icons.size()))
        return 0;
    const QImage picture = record->icons[index].pixmap(record->width, record->height).toImage();
    return picture.valid(x, y) ? FromQColor(picture.pixelColor(x, y)) : 0;
}
