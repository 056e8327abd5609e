#include "formabout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFormAbout::TFormAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("About Chronelle"));
    auto *layout = new QVBoxLayout(this);
    auto *name = new QLabel(QStringLiteral("Chronelle %1").arg(QApplication::applicationVersion()), this);
    name->setObjectName(QStringLiteral("LabelName"));
    layout->addWidget(name);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
    layout->addWidget(ok);
}
