#pragma once

#include <QWidget>

// Created once at start-up and hidden; closing it only hides it again.
class TfrmAbout : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget *parent = nullptr);
};
