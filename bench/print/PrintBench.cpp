// Times the record list printout of N made-up recordings (argument, default
// 10000) with the real application object and main window, offscreen, into
// a PDF file through the real printer (A4, 15 mm margins), and beside it
// onto a recording surface, which draws nothing. A second argument keeps
// the PDF at that path.

#include "app/App.h"
#include "bench/BenchSetting.h"
#include "bench/Timing.h"
#include "mainwindow/MainWindow.h"

#include "framework/Application.h"
#include "framework/Printing.h"
#include "framework/testsupport/RecordingSurface.h"
#include "framework/testsupport/ScriptedDialogs.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// The page count a PDF file gives in its page tree.
int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QRegularExpressionMatch m =
      QRegularExpression(u"/Count (\\d+)"_s).match(QString::fromLatin1(file.readAll()));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
  BenchSetting setting;
  fw::ScriptedDialogs& dialogs = setting.dialogs;

  setting.WriteCatalogue(count);
  BenchSetting::StartProgram(argc, argv);
  MainWindow& mw = MainWindow::SharedInstance();
  fw::PrinterSetup& setup = *App::SharedInstance().p;

  std::printf("Klangbuch record list printout, %d recordings (%s build, offscreen)\n", count,
              kBuildName);

  const QString pdf =
      argc > 2 ? QString::fromLocal8Bit(argv[2]) : setting.programDir.filePath(u"liste.pdf"_s);
  const double toPdf = Best([&] {
    dialogs.AnswerNextPrintDialogWith(fw::PrintToPdf(setup, pdf));
    mw.FilePrint_Action();
  });
  fw::PrintLog log;
  const double recorded = Best([&] {
    log = fw::PrintLog();
    dialogs.AnswerNextPrintDialogWith(std::make_unique<fw::RecordingSurface>(log, 510.2, 756.9));
    mw.FilePrint_Action();
  });

  std::printf("  %-44s %8.1f ms\n", "to a PDF file, real printer (best of 3)", toPdf);
  std::printf("  %-44s %8d\n", "  its pages", PdfPages(pdf));
  std::printf("  %-44s %8.1f KB\n", "  its size", QFile(pdf).size() / 1024.0);
  std::printf("  %-44s %8.1f ms\n", "onto a recording surface (no drawing)", recorded);
  std::printf("  %-44s %8d\n", "  its pages", log.pages);
  for (const fw::String& message : dialogs.MsgBoxTexts())
    std::printf("  a message was shown: %s\n", qPrintable(message));
  return fw::RuntimeExit();
}
