#pragma once

#include <QDialog>

// The About box: the program's artwork, its release line and a Cancel button. It closes on
// Cancel and when it loses the focus.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    // `userMenuFile` is where the user's userdef.dat lives, shown so they can find it.
    explicit AboutBox(const QString& userMenuFile, QWidget* parent = nullptr);

    // The artwork, drawn at the given size.
    static QPixmap artwork(const QSize& size);

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
};
