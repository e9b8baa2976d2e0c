#include "FirstPage.h"

FirstPage::FirstPage(QWidget* parent, FrameLayer*, Prompt* prompt, const QString&)
    : QWidget(parent), messenger_(prompt, this) {}

void FirstPage::identifyMeter(int) {}

void FirstPage::clearMeterInfo() {}

void FirstPage::setLanguage(bool chinese) {
    messenger_.setChinese(chinese);
}

Messenger& FirstPage::messenger() {
    return messenger_;
}
