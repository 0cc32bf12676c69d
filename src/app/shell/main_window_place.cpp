// The main window's size and place: the frame, the strip and the tables laid out from the
// window's height in twips at every resize, the place it opens at, and the place it keeps.

#include <QGuiApplication>
#include <QScreen>

#include "commands/setting_commands.h"
#include "files/window_geometry.h"
#include "files/window_place.h"
#include "shell/main_window.h"

namespace gyrant {
namespace {

WindowRect Twips(const QRect& r) {
    return {r.left() * kTwipsPerPixel, r.top() * kTwipsPerPixel, r.width() * kTwipsPerPixel,
            r.height() * kTwipsPerPixel};
}

}  // namespace

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LayOutFrame();
}

void MainWindow::LayOutFrame() {
    // The answer line takes its room from the tables, so that the option line stays in view.
    int answerHeight = m_answerLine->isVisibleTo(this)
                           ? m_answerLine->heightForWidth(width()) + TwipsToPixels(60)
                           : 0;
    int frameHeight =
        std::max(0, TwipsToPixels(FrameHeightTwips(height() * kTwipsPerPixel)) - answerHeight);
    m_frame->setFixedHeight(frameHeight);
    QRect inside = m_frame->contentsRect().adjusted(4, 0, -4, 0);
    m_strip->setGeometry(inside.left(), inside.top(), inside.width(), m_strip->height());
    int tableTop = TableTop();
    TablePlaces places = PlaceTables(frameHeight * kTwipsPerPixel, tableTop * kTwipsPerPixel,
                                     m_sheet.document.TwoVehicles != 0);
    Grid(kBaseline).setGeometry(inside.left(), tableTop, inside.width(),
                                TwipsToPixels(places.baselineHeight));
    Grid(kProposed).setGeometry(inside.left(), TwipsToPixels(places.proposedTop), inside.width(),
                                TwipsToPixels(places.proposedHeight));
}

int MainWindow::TableTop() const {
    return m_frame->contentsRect().top() + m_strip->height() + 4;
}

void MainWindow::PlaceAtStart() {
    std::vector<WindowRect> screens;
    for (QScreen* screen : QGuiApplication::screens())
        screens.push_back(Twips(screen->availableGeometry()));
    std::optional<WindowRect> kept = ReadWindowPlace(WindowPlacePath(m_sheet));
    std::optional<WindowRect> restored = kept ? RestoredPlace(*kept, screens) : std::nullopt;
    if (restored) {
        move(TwipsToPixels(restored->left), TwipsToPixels(restored->top));
        resize(TwipsToPixels(restored->width), TwipsToPixels(restored->height));
        return;
    }
    // Tall enough for every row of both tables where the screen has room, under a title bar.
    QScreen* screen = QGuiApplication::primaryScreen();
    int room = screen->availableGeometry().height() * kTwipsPerPixel - kTitleBarTwips;
    int height = OpeningHeightTwips(TallestTableTwips(m_sheet.Table(kBaseline)),
                                    TableTop() * kTwipsPerPixel, room);
    move(0, 0);
    resize(m_strip->minimumWidth() + 30, TwipsToPixels(height));
}

void MainWindow::KeepPlace() {
    KeepWindowPlaceCommand(m_sheet, Twips(QRect(pos(), size())));
}

}  // namespace gyrant
