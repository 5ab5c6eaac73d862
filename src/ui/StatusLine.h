// The status bar's one line: a message for a while, or the tip of what the
// pointer is on while it is there. A text too long for the bar is cut with
// an ellipsis and shown whole in the line's tooltip.
#pragma once

#include <QLabel>
#include <QTimer>

class CStatusLine : public QLabel {
    Q_OBJECT
public:
    explicit CStatusLine(QWidget* parent = nullptr);

    // Shown for so many milliseconds, or until withdrawn.
    void ShowMessage(const QString& text, int milliseconds);
    // The message's cause has gone: the message goes, unless another has
    // taken its place.
    void Withdraw(const QString& text);
    // A menu entry's or a button's tip, over the message; empty when the
    // pointer leaves.
    void ShowTip(const QString& tip);
    // What the line says, uncut.
    QString FullText() const { return m_strTip.isEmpty() ? m_strMessage : m_strTip; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Refresh();

    QString m_strMessage;
    QString m_strTip;
    QTimer m_timer;
};
