#pragma once

#include <QDialog>

// The about box: the program's name and version. Shown without blocking.
class TFormAbout final : public QDialog
{
    Q_OBJECT

public:
    explicit TFormAbout(QWidget *parent = nullptr);
};
