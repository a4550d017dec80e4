// The main window's rules that are not drawing: its stored geometry, the pane
// sizes on a resize and a splitter drag, the background tile, the status bar
// texts and the save question shared by the file commands. QtCore only.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <span>

class QSettings;

namespace ulbrix {

// Sizes are kept as the window stores them: twips, 15 to a pixel.
constexpr int TwipsPerPixel = 15;
constexpr int PxToTwips(int px) { return px * TwipsPerPixel; }
constexpr int TwipsToPx(int tw) { return (tw + (tw >= 0 ? TwipsPerPixel / 2 : -TwipsPerPixel / 2)) / TwipsPerPixel; }

// Position and size of the main window in twips.
struct WindowGeometryTw {
    int left = 100;
    int top = 100;
    int width = 14500;
    int height = 10500;
    bool operator==(const WindowGeometryTw&) const = default;
};

// The per-user store: organisation and application "Ulbrix", group "Settings".
inline const QString GeometryOrganisation = QStringLiteral("Ulbrix");
inline const QString GeometryApplication = QStringLiteral("Ulbrix");
inline const QString GeometryGroup = QStringLiteral("Settings");

// Reads "MainLeft", "MainTop", "MainWidth", "MainHeight"; a missing value or
// one that is not a whole number takes its default, and so does a width or a
// height that is not positive.
WindowGeometryTw LoadWindowGeometry(QSettings& store);
// Whether the store holds a size of its own (both MainWidth and MainHeight
// usable): that size always wins over the first-start size.
bool HasStoredWindowSize(QSettings& store);

// The first start's place and size in pixels: the child-window area holds
// the largest of the editors' frames (`editorFrames`, each with its frame's
// title bar, borders and the cascade steps before it), beside what the window adds
// around that area (`around`: tree pane, menus, toolbar, status bar). Never
// smaller than `fallback`, never larger than the available `screen`, and
// moved to lie on it.
QRect FirstStartGeometry(std::span<const QSize> editorFrames, QSize around, QRect fallback, QRect screen);
// A window (frame included) fitted to the available `screen`: cut to its size
// and moved to lie on it. One that fits, or any when no screen is known, comes
// back unchanged.
QRect FitToScreen(QRect window, QRect screen);
void SaveWindowGeometry(QSettings& store, const WindowGeometryTw& g);

// Heights of the tree pane's parts for an inner window height (twips); none
// when the window is 1000 twips high or less.
struct PaneHeightsTw {
    int frame;     // Frame1: height - 100
    int tree;      // TreeView1: height - 700
    int splitter;  // CommandMove: height
};
std::optional<PaneHeightsTw> ResizePaneHeights(int innerHeightTw);

// The new tree pane width when the splitter is dragged by x twips; none when
// the result is under 300 twips or wider than the window's inner width.
constexpr int MinPaneWidthTw = 300;
std::optional<int> SplitterPaneWidth(int paneWidthTw, int xTw, int innerWidthTw);

// The part of a background picture that is tiled: the picture less its outer
// one-pixel frame. A picture narrower or lower than 3 pixels is tiled whole,
// so the step is never 0; an empty picture gives an empty rectangle (plain
// background).
QRect BackgroundTileRect(QSize picture);
// "<program folder>/PIC/BK_<language>.jpg".
QString BackgroundPicturePath(const QString& programDir, int language);

// Status bar panel 3: "COM" or "通信口" directly followed by the port number.
QString StatusPortText(int port);
// Status bar panel 2 (hidden): "Ulbrix[<band range text>]".
QString StatusBandText();

// The question whether to save changes, shared by Open, New (toolbar),
// Initial Setting, leaving the program and the hand-over to another release.
// Asks only when the document is modified; Yes saves (an untitled document
// through Save As), No goes on, Cancel stops. Returns true to go on.
struct SaveQuestionActions {
    std::function<bool()> isModified;
    std::function<bool()> untitled;
    std::function<bool()> save;    // to the current file; false when it failed
    std::function<bool()> saveAs;  // with the dialog; false when cancelled or failed
};
bool AskSaveChanges(const SaveQuestionActions& actions);

}  // namespace ulbrix
