#pragma once
// The text control of the message dialog: draws the text line by line with tabs expanded
// (consistency reports align their columns with tabs), and measures it the same way, so the
// dialog can grow to exactly the room the text needs.

#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

class MessageText : public QWidget {
    Q_OBJECT

public:
    explicit MessageText(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return lines_.join(u'\n'); }
    // Width of the widest line with tabs expanded; height of all lines.
    QSize textSize() const;
    // Tab stops every eight average character widths.
    int tabStop() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList lines_;
};
