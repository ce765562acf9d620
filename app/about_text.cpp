#include "app/about_text.h"

std::string AboutText;

namespace {

// One long first line (the info box wraps it), an empty line, the contacts,
// and two empty lines after them so the scrolling text ends in a gap.
constexpr char AboutSource[] =
    "Программа содержит в себе все звания и количество опыта необходимое для получения звания. "
    "Зная приблизительное количество зарабатываемого опыта в день - можно рассчитать когда ты "
    "достигнешь следующего звания.\r\n"
    "\r\n"
    "Автор: Stelvane Ranks project\r\n"
    "e-mail: ranks@stelvane-ranks.invalid\r\n"
    "Skype: stelvane.ranks\r\n"
    "\r\n"
    "\r\n";

} // namespace

// Copies up to the terminating zero, with no trimming.
void SetAboutText()
{
    AboutText = AboutSource;
}
