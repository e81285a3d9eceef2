#pragma once
// Pictures of the program's frame, drawn for this program: the program icon, the
// splash picture, the first screen's picture and the toolbar buttons.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace vendrix {

inline constexpr QSize kSplashSize(708, 472);

// The program icon (the shipped SVG drawn at the usual sizes).
QIcon programIcon();

// The splash picture: a filled tube in water with the program's title.
QPixmap splashPicture();

// The picture on the first screen.
QPixmap firstScreenPicture(const QSize &size);

enum class ToolbarPicture {
    New,
    Open,
    Close,
    Save,
    Print,
    PrintPreview,
    About,
    ContextHelp,
    Calculator,
    Exit,
};

// The toolbar button picture: the desktop theme's icon where there is one, else
// ours.
QIcon toolbarIcon(ToolbarPicture picture);

} // namespace vendrix
