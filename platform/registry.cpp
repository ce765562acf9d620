#include "platform/registry.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <QTreeWidget>

PlatformRegistry Registry;

void EnsureToolkit()
{
    if (Registry.app)
        return;
    // The program takes no arguments; the toolkit still wants a name.
    static int argc = 1;
    static char name[] = "stelvane-ranks";
    static char* argv[] = {name, nullptr};
    Registry.app = new QApplication(argc, argv);
    // The interface is Russian whatever the desktop's language: the date
    // picker's calendar names its months and weekdays in Russian too.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // Controls use the desktop's small dialog font: Arial at 8 points,
    // whose character height is 11 pixels at 96 DPI.
    QFont dialogFont(QStringLiteral("Arial"));
    const QScreen* screen = QGuiApplication::primaryScreen();
    dialogFont.setPixelSize(qRound(8 * (screen ? screen->logicalDotsPerInchY() : 96.0) / 72.0));
    QApplication::setFont(dialogFont);
}

QString ToQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQColor(Colour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

Colour FromQColor(const QColor& colour)
{
    return Colour(colour.red()) | Colour(colour.green()) << 8 | Colour(colour.blue()) << 16;
}

QWidget* ControlWidget(int number)
{
    const auto found = Registry.controls.find(number);
    return found == Registry.controls.end() ? nullptr : found->second.widget.data();
}

QTreeWidget* ListWidget(int number)
{
    const auto found = Registry.controls.find(number);
    if (found == Registry.controls.end() || found->second.kind != ControlKind::List)
        return nullptr;
    return static_cast<QTreeWidget*>(found->second.widget.data());
}
