// The main window: its numbers, and the procedure that builds it.
#pragma once

// Window and control numbers of the main window.
constexpr int MainWindow = 0;
constexpr int CurrentRankLabel = 0;
constexpr int CurrentRankCombo = 1;
constexpr int DailyExpLabel = 2;
constexpr int DailyExpField = 3;
constexpr int ScheduleLabel = 4;
constexpr int TodayLabel = 5;
constexpr int StartDatePicker = 6;
constexpr int ScheduleList = 7;
constexpr int InfoButton = 8;
constexpr int CalculateButton = 9;

// The image number of the decoded background picture, or -1 when it did not
// decode; written by start-up before the main window is built.
extern int BackgroundImage;

// Builds the main window hidden, with every control and colour, and fills
// the schedule. Returns at once, building nothing, if the window cannot open.
void OpenMainWindow();

// Colours the schedule list: white text, rows alternately black and 0x141414.
void ColourScheduleList();
