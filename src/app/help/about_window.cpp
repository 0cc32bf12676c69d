#include "help/about_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/emblem.h"
#include "version.h"

namespace gyrant {

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Gyrant"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(GyrantEmblem(96));
    auto* name =
        new QLabel(QString::fromLatin1(kProgramFullName) + QStringLiteral("  A.000"), this);
    name->setTextFormat(Qt::PlainText);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto* lines = new QLabel(
        QStringLiteral("How much the spinning parts of a drivetrain add to a vehicle's weight.\n\n"
                       "Torvane Inc.\nPerformance software for racers and engine builders\n"
                       "Copyright (C) Torvane Inc. All rights reserved."),
        this);
    lines->setWordWrap(true);
    lines->setMinimumWidth(300);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* print = new QPushButton(QStringLiteral("Print"), this);
    print->setObjectName(QStringLiteral("SSCommand1"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(print, &QPushButton::clicked, this, &AboutWindow::printClicked);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(lines);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutWindow::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    accept();
}

}  // namespace gyrant
