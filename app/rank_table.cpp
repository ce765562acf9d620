#include "app/rank_table.h"

#include <cstdint>

std::array<RankRow, RankCount + 1> RankTable;

namespace {

struct RankEntry {
    const char* name;
    const char* expToNext;
};

// The ranks in order. Rows 31 to 35 end in a blank that belongs to the name.
constexpr RankEntry Ranks[RankCount] = {
    {"Ст. кадет (Trainee)", "2000"},
    {"Рядовой солдат (Senior Trainee)", "3000"},
    {"Ст. солдат (Private)", "4000"},
    {"Ефрейтор (Corporal)", "5000"},
    {"Сержант (Sergeant)", "7000"},
    {"Мл. сержант 1го ранга (Staff Sgt. Grade 1)", "9000"},
    {"Мл. сержант 2го ранга (Staff Sgt. Grade 2)", "11000"},
    {"Мл. сержант 3го ранга (Staff Sgt. Grade 3)", "13500"},
    {"Сержант 1го ранга (Sgt. 1st Class Grade 1)", "16000"},
    {"Сержант 2го ранга (Sgt. 1st Class Grade 2)", "18500"},
    {"Сержант 3го ранга (Sgt. 1st Class Grade 3)", "21000"},
    {"Сержант 4го ранга (Sgt. 1st Class Grade 4)", "24000"},
    {"Ст. сержант 1го ранга (Master Sgt. Grade 1)", "27000"},
    {"Ст. сержант 2го ранга (Master Sgt. Grade 2)", "30000"},
    {"Ст. сержант 3го ранга (Master Sgt. Grade 3)", "33000"},
    {"Ст. сержант 4го ранга (Master Sgt. Grade 4)", "36000"},
    {"Ст. сержант 5го ранга (Master Sgt. Grade 5)", "41000"},
    {"Мл. лейтенант 1го ранга (2nd Lt. Grade 1)", "46000"},
    {"Мл. лейтенант 2го ранга (2nd Lt. Grade 2)", "51000"},
    {"Мл. лейтенант 3го ранга (2nd Lt. Grade 3)", "56000"},
    {"Мл. лейтенант 4го ранга (2nd Lt. Grade 4)", "62000"},
    {"Лейтенант 1го ранга (1st Lt. Grade 1)", "68000"},
    {"Лейтенант 2го ранга (1st Lt. Grade 2)", "74000"},
    {"Лейтенант 3го ранга (1st Lt. Grade 3)", "80000"},
    {"Лейтенант 4го ранга (1st Lt. Grade 4)", "86000"},
    {"Лейтенант 5го ранга (1st Lt. Grade 5)", "93000"},
    {"Ст. лейтенант 1го ранга (Capt. Grade 1)", "100000"},
    {"Ст. лейтенант 2го ранга (Capt. Grade 2)", "107000"},
    {"Ст. лейтенант 3го ранга (Capt. Grade 3)", "114000"},
    {"Ст. лейтенант 4го ранга (Capt. Grade 4)", "121000"},
    {"Ст. лейтенант 5го ранга (Capt. Grade 5)", "151000"},
    {"Майор 1го ранга (Major Grade 1) ", "181000"},
    {"Майор 2го ранга (Major Grade 2) ", "211000"},
    {"Майор 3го ранга (Major Grade 3) ", "241000"},
    {"Майор 4го ранга (Major Grade 4) ", "271000"},
    {"Майор 5го ранга (Major Grade 5) ", "311000"},
    {"Подполковник 1го ранга (Lt. Col. Grade 1)", "351000"},
    {"Подполковник 2го ранга (Lt. Col. Grade 2)", "391000"},
    {"Подполковник 3го ранга (Lt. Col. Grade 3)", "431000"},
    {"Подполковник 4го ранга (Lt. Col. Grade 4)", "471000"},
    {"Подполковник 5го ранга (Lt. Col. Grade 5)", "521000"},
    {"Полковник 1го ранга (Col. Grade 1)", "571000"},
    {"Полковник 2го ранга (Col. Grade 2)", "621000"},
    {"Полковник 3го ранга (Col. Grade 3)", "671000"},
    {"Полковник 4го ранга (Col. Grade 4)", "721000"},
    {"Полковник 5го ранга (Col. Grade 5)", "0"},
    {"Бригадный генерал (Brigadier)", "0"},
    {"Генерал-майор (Major General)", "0"},
    {"Генерал-лейтенант (Lt. General)", "0"},
    {"Генерал (General)", "0"},
    {"Генерал армии (Commander)", "0"},
};

} // namespace

// Readers turn IconRef back into a pointer, so it carries the icon's address as an unsigned number.
void BuildRankTable()
{
    RankTable = {};
    for (int r = 0; r < RankCount; ++r) {
        const unsigned char* icon = RankIconFiles + RankIconFileSize * r;
        RankTable[r][IconRef] = std::to_string(reinterpret_cast<std::uintptr_t>(icon));
        RankTable[r][RankName] = Ranks[r].name;
        RankTable[r][ExpToNext] = Ranks[r].expToNext;
    }
}
