#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

class BuilderLauncher;
class InsertionTarget;
class QComboBox;
class QWidget;

// The toolbar's three boxes: the heading box types an empty heading, the paragraph box an empty
// paragraph, and the builder box opens a tag builder. Each shows a prompt rather than an item;
// picking an item does its action and puts a prompt back, so the same item can be picked again at
// once.
class TagBoxes : public QObject {
    Q_OBJECT
public:
    TagBoxes(InsertionTarget& target, BuilderLauncher& builders, QWidget* toolbar);

    QComboBox* headingBox() const { return m_boxes[0]; }
    QComboBox* paragraphBox() const { return m_boxes[1]; }
    QComboBox* builderBox() const { return m_boxes[2]; }

    // Puts the items into the boxes (once, at start-up; a second call leaves the same items).
    void fill();
    void setVisible(bool shown);
    // The key that puts the keyboard in the heading box, from anywhere in the frame.
    static QKeySequence focusKey();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitPrompts();
    void makeKeyboardRoute();
    static void showPromptAsText(QComboBox& combo);
    void picked(int box, int position);

    InsertionTarget& m_target;
    BuilderLauncher& m_builders;
    QComboBox* m_boxes[3];
};
