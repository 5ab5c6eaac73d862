// Screen rectangles cross between Qt and the core here.
#pragma once

// The core headers use C++20 library parts the meta-object compiler cannot parse.
#ifndef Q_MOC_RUN
#include "settings/WindowPlacement.h"
#endif

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

inline CScreenRect ToScreenRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

inline QRect ToQRect(const CScreenRect& rect) {
    return {rect.nLeft, rect.nTop, rect.nWidth, rect.nHeight};
}

// The usable part of every screen there is now (without panels and docks).
inline std::vector<CScreenRect> AvailableScreens() {
    std::vector<CScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(ToScreenRect(screen->availableGeometry()));
    return screens;
}
