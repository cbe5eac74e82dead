#include "shell/Splash_kovia.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "platform/resources.h"

namespace kovia {

namespace {
constexpr QSize kPictureSize(500, 333);
}

TForm12::TForm12(QWidget* owner) : Form(owner) {
  setCaption(QStringLiteral("Intro"));
  // No border and no border icons; it stays above the windows being created behind it.
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  menuBar()->hide();
  toolBar()->hide();
  statusBar()->hide();

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setFixedSize(kPictureSize);
  Image1->setPixmap(resourcePixmap(QStringLiteral(":/splash.svg"), kPictureSize));
  setClientWidget(Image1);

  // Sized to the picture, centred on the desktop.
  setFixedSize(kPictureSize);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()).topLeft());
  }
}

}  // namespace kovia
