#pragma once
// A property sheet: a tab widget whose tabs read the titles of their pages, also after a
// language change renames a page.

#include <QTabWidget>

class PropertySheet : public QTabWidget {
public:
    explicit PropertySheet(QWidget* parent = nullptr) : QTabWidget(parent) {}

    // Adds the page as the last tab, titled as the page is.
    void AddPage(QWidget* page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
