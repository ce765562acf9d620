// 2D drawing on numbered images and sprites: one current target for the whole
// process, with the state of a fresh device context at every start (default
// font, black text on an opaque white background) until the caller changes it.
//
// A sprite is drawn on through a private copy that StopDrawing puts back under
// the screen lock, so the lock is never held between calls: a DisplaySprite,
// a flip or a repaint that comes while drawing can neither wait on the drawing
// nor deadlock against it, and the scroller never sees a half-drawn sprite.
#include "platform/registry.h"

#include <QFontMetrics>

namespace {

// Begins painting on `target` with the fresh-context state.
int BeginPainting(QImage* target)
{
    auto& d = Registry.drawing;
    d.target = target;
    d.font = QFont();
    d.transparent = false;
    d.front = 0;
    d.painter = std::make_unique<QPainter>();
    if (!d.painter->begin(target)) {
        d.painter.reset();
        d.target = nullptr;
        d.onSprite = false;
        d.canvas = QImage();
        return 0;
    }
    d.painter->setFont(d.font);
    d.painter->setPen(ToQColor(d.front));
    return 1;
}

// Metrics of the selected font as the current target would draw it.
QFontMetrics SelectedMetrics()
{
    const auto& d = Registry.drawing;
    return d.target ? QFontMetrics(d.font, d.target) : QFontMetrics(d.font);
}

} // namespace

// Images belong to the GUI thread, so the image itself is the target.
int StartDrawingOnImage(int number)
{
    StopDrawing();
    const auto found = Registry.images.find(number);
    if (found == Registry.images.end())
        return 0;
    return BeginPainting(&found->second);
}

// The scroller may be displaying this sprite, so drawing goes to a copy.
int StartDrawingOnSprite(int number)
{
    StopDrawing();
    auto& d = Registry.drawing;
    {
        std::lock_guard<std::mutex> guard(Registry.screen.lock);
        const auto found = Registry.sprites.find(number);
        if (found == Registry.sprites.end())
            return 0;
        // A deep copy: the scroller may read the original while this one is drawn on.
        d.canvas = found->second.copy();
    }
    d.onSprite = true;
    d.sprite = number;
    return BeginPainting(&d.canvas);
}

// Ends the painter first, so the canvas holds every stroke when it goes back.
void StopDrawing()
{
    auto& d = Registry.drawing;
    if (d.painter)
        d.painter->end();
    d.painter.reset();
    if (d.onSprite) {
        std::lock_guard<std::mutex> guard(Registry.screen.lock);
        const auto found = Registry.sprites.find(d.sprite);
        if (found != Registry.sprites.end() && found->second.size() == d.canvas.size())
            found->second.swap(d.canvas);
    }
    d.canvas = QImage();
    d.onSprite = false;
    d.sprite = 0;
    d.target = nullptr;
}

// A missing font leaves the current one selected.
void SelectFont(int number)
{
    const auto found = Registry.fonts.find(number);
    if (found == Registry.fonts.end())
        return;
    Registry.drawing.font = found->second;
    if (Registry.drawing.painter)
        Registry.drawing.painter->setFont(found->second);
}

// Clipped to the target by the painter.
void FillBox(int x, int y, int width, int height, Colour colour)
{
    if (Registry.drawing.painter)
        Registry.drawing.painter->fillRect(QRect(x, y, width, height), ToQColor(colour));
}

// Stays in force until the next Start…; nothing to tell the painter.
void UseTransparentText()
{
    Registry.drawing.transparent = true;
}

// Text is drawn with the pen.
void SetFrontColour(Colour colour)
{
    Registry.drawing.front = colour;
    if (Registry.drawing.painter)
        Registry.drawing.painter->setPen(ToQColor(colour));
}

// The advance, not the ink: where the next word starts.
int TextWidth(const std::string& text)
{
    if (text.empty())
        return 0;
    return SelectedMetrics().horizontalAdvance(ToQString(text));
}

// The baseline lies one ascent below y; until UseTransparentText the text's
// cell is first filled white, as a fresh device context would.
void DrawText(int x, int y, const std::string& text)
{
    auto& d = Registry.drawing;
    if (!d.painter || text.empty())
        return;
    const QString string = ToQString(text);
    const QFontMetrics metrics = SelectedMetrics();
    if (!d.transparent)
        d.painter->fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()), Qt::white);
    d.painter->drawText(QPoint(x, y + metrics.ascent()), string);
}
