// The blue frame around the selected tool of a palette; clicks go through it.
#pragma once

#include <QWidget>

class TFocusFrame : public QWidget {
public:
    explicit TFocusFrame(QWidget* Parent);

protected:
    void paintEvent(QPaintEvent* Event) override;
};
