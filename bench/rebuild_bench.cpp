// One click on "Рассчитать" until the list holds its 51 rows, against a bare
// Qt fill of the same 51 × 5 texts with 20 × 20 icons into the same kind of
// list view. Runs on Qt's offscreen platform.
#include "app/program.h"
#include "platform/registry.h"
#include "resources/resources.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

void RebuildOnClick(benchmark::State& state)
{
    auto* button = static_cast<QAbstractButton*>(ControlWidget(CalculateButton));
    for (auto _ : state) {
        button->click();
        HandleMainEvent(WaitEvent());
    }
    if (CountListRows(ScheduleList) != 51)
        state.SkipWithError("the rebuild did not list 51 rows");
}
BENCHMARK(RebuildOnClick)->Unit(benchmark::kMicrosecond);

// Rank `rank`'s icon through the toolkit's own reader.
QIcon RankIcon(int rank)
{
    return QIcon(QPixmap::fromImage(QImage::fromData(RankIconFiles + rank * RankIconFileSize, RankIconFileSize, "BMP")));
}

// A list view set up like the schedule's.
void SetUpList(QTreeWidget& list)
{
    list.setColumnCount(5);
    list.setIconSize(QSize(20, 20));
    list.setUniformRowHeights(true);
    list.setRootIsDecorated(false);
    list.resize(790, 525);
}

// The texts of the schedule as the program listed them.
std::vector<QStringList> ScheduleTexts()
{
    std::vector<QStringList> rows;
    for (int rank = 0; rank < RankCount; ++rank) {
        QStringList row;
        for (int column = 0; column < 5; ++column)
            row << QString::fromStdString(ListText(ScheduleList, rank, column));
        rows.push_back(row);
    }
    return rows;
}

// The floor: the list's texts and icons made once, then only the Qt fill.
void BareQtFill(benchmark::State& state)
{
    QTreeWidget list;
    SetUpList(list);
    std::vector<QIcon> icons;
    for (int rank = 0; rank < RankCount; ++rank)
        icons.push_back(RankIcon(rank));
    const std::vector<QStringList> rows = ScheduleTexts();
    for (auto _ : state) {
        list.clear();
        for (int rank = 0; rank < RankCount; ++rank) {
            auto* item = new QTreeWidgetItem(rows[rank]);
            item->setIcon(0, icons[rank]);
            list.addTopLevelItem(item);
        }
    }
}
BENCHMARK(BareQtFill)->Unit(benchmark::kMicrosecond);

// For context: the bare fill again, decoding its icons on every fill as the
// program does, through the toolkit's own reader.
void BareQtFillDecodingIcons(benchmark::State& state)
{
    QTreeWidget list;
    SetUpList(list);
    const std::vector<QStringList> rows = ScheduleTexts();
    for (auto _ : state) {
        list.clear();
        for (int rank = 0; rank < RankCount; ++rank) {
            auto* item = new QTreeWidgetItem(rows[rank]);
            item->setIcon(0, RankIcon(rank));
            list.addTopLevelItem(item);
        }
    }
}
BENCHMARK(BareQtFillDecodingIcons)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    StartUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ShutDown();
    return 0;
}
