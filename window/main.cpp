#include <QApplication>
#include <QIcon>

#include "window/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/cxxproto/cxxproto.png")));
  QGuiApplication::setDesktopFileName(QStringLiteral("cxxproto"));
  Form1 form;
  form.show();
  return app.exec();
}
