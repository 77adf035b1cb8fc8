#pragma once

#include <QWidget>

// Created once at start-up and hidden; closing it only hides it again.
class TfrmDeleteFolder : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmDeleteFolder(QWidget *parent = nullptr);
};
