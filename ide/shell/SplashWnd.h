// CSplashWnd: the start-up picture, drawn in code (the program's name, its
// version and what it is). It shows centred on the screen without taking
// the focus or waiting for anything, and closes itself after 1500 ms or
// when start-up ends, whichever comes first.
#pragma once

#include <QWidget>

class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int CLOSE_AFTER_MS = 1500;

    explicit CSplashWnd(QWidget* pParent = nullptr);

    // Creates and shows a splash window centred on the primary screen; it deletes itself when it closes.
    static CSplashWnd* ShowSplash();

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    // A click closes it at once.
    void mousePressEvent(QMouseEvent* pEvent) override;
};
