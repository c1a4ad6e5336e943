#pragma once

#include "tags/KeystrokeRecording.h"

#include <QObject>
#include <QPointer>
#include <QString>

class EditorBox;
class QKeyEvent;

// Records the keys the user types into one editor as a keystroke script, so that typing the
// script gives the same text and caret again. A recorded key is typed from here as its piece of
// script, so that what the key does is told apart from everything else.
//
// The recording stops taking keys (and says why) at the first thing its script could not repeat:
// a key it refuses (see KeystrokeRecording), a mouse click in the text, a change of the text or
// a move of the caret that no recorded key made (a menu command, a shortcut, Find), or the
// editor going away. What was recorded until then is kept.
class KeystrokeRecorder : public QObject {
    Q_OBJECT
public:
    explicit KeystrokeRecorder(EditorBox& editor);
    ~KeystrokeRecorder() override;

    bool isTaking() const { return m_taking; }
    QString script() const { return m_recording.script(); }
    bool isEmpty() const { return m_recording.isEmpty(); }

signals:
    // The recording stopped taking keys; `reason` completes "Recording stopped: ".
    void halted(const QString& reason);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool takeKey(QKeyEvent* event);
    void type(const KeystrokeRecording& piece);
    void noteOutsideChange(const QString& what);
    void halt(const QString& reason);

    QPointer<EditorBox> m_editor;
    KeystrokeRecording m_recording;
    bool m_taking = true;
    bool m_typing = false;  // a recorded key is being typed
};
