#pragma once

#include <QString>
#include <QWidget>

#include "Messenger.h"

class FrameLayer;
class Prompt;

// The workspace page.
class FirstPage : public QWidget {
    Q_OBJECT
public:
    FirstPage(QWidget* parent, FrameLayer* frames, Prompt* prompt, const QString& dataDirectory);

    void identifyMeter(int type);
    void clearMeterInfo();
    void setLanguage(bool chinese);
    Messenger& messenger();

private:
    Messenger messenger_;
};
