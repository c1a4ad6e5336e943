#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QWidget>

// A toolbar button drawn as one of two pictures, released or pressed, swapped as the mouse acts
// on it. Both pictures come from one icon: released it stands flat on the toolbar, pressed it
// sits one device pixel lower and to the right, darkened, in a sunken panel of the style. Both
// are drawn at the screen's device pixel ratio, so they stay sharp at any scale.
//
// What a press, a move or a release does to the picture is decided by PictureButton::Logic,
// which works on plain values (mouse button states, twips) so it can be checked without a
// display; the widget turns mouse events into calls and steps into paint.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    enum class Picture { Released, Pressed };
    // When a left press runs the button's command, relative to the picture changes.
    enum class PressStyle {
        PressThenRun,     // pressed, repaint, run; the release brings the released picture back
        FlashThenRun,     // pressed, repaint, released, run: a modal dialog would eat the release
        PressRunRelease,  // pressed, repaint, run, released
        RunThenPress,     // repaint, run, pressed; the release brings the released picture back
    };
    enum class Step { ShowPressed, ShowReleased, Repaint, RunCommand, ShowHelp };

    // Mouse button states as the button's events report them: the sum of 1 (left), 2 (right)
    // and 4 (middle).
    static constexpr int kLeft = 1;
    static constexpr int kRight = 2;
    static constexpr int kMiddle = 4;
    static int buttonState(Qt::MouseButtons buttons);

    // The picture a button shows and how the mouse changes it. Positions and sizes are twips.
    class Logic {
    public:
        Logic(PressStyle style, QSize sizeTwips) : m_style(style), m_size(sizeTwips) {}

        void setSize(QSize sizeTwips) { m_size = sizeTwips; }
        Picture picture() const { return m_picture; }
        void show(Picture picture) { m_picture = picture; }
        // The steps a press of `button` (one state value) takes, in order; none for a button
        // other than left or right.
        QList<Step> press(int button) const;
        // A move while `state` is held, at `at` from the button's top left corner. Only the left
        // button alone changes the picture: released off the button, pressed on it. The left
        // edge (x = 0) counts as off, the top edge (y = 0) as on.
        void move(int state, QPoint at);
        // The release of `button`: the left one brings the released picture back.
        void release(int button);

    private:
        PressStyle m_style;
        QSize m_size;
        Picture m_picture = Picture::Released;
    };

    PictureButton(const QString& name, PressStyle style, QWidget* parent = nullptr);

    QIcon icon() const { return m_icon; }
    void setIcon(const QIcon& icon);
    // The icon's size on the button: the style's toolbar icon size.
    QSize iconSize() const;
    QSize sizeHint() const override;

    Picture picture() const { return m_logic.picture(); }
    // The button as it shows `picture`, at the button's size and device pixel ratio.
    QPixmap pixmap(Picture picture) const;
    // Shows the released picture, for a command whose message box swallowed the button's release.
    void showReleased() { apply(Step::ShowReleased); }

signals:
    // The left button's command.
    void commandRequested();
    void helpRequested();
    // The pointer moved over the button (with or without a button held).
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void apply(Step step);
    void draw(QPainter& painter, Picture picture) const;
    QPixmap iconPixmap(Picture picture) const;
    static QPoint toTwips(QPoint pixels);

    Logic m_logic;
    QIcon m_icon;
};
