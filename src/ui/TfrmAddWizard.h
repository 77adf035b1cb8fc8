#pragma once

#include <QWidget>

// Created once at start-up and hidden; closing it only hides it again.
class TfrmAddWizard : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmAddWizard(QWidget *parent = nullptr);
};
