// The help-topics window: a contents list and a searchable index of the topics of the
// program's HTML help file, beside a browser showing the file at the chosen topic.
// A topic is an <h2 id="..."> heading of the file.
#pragma once

#include <QString>
#include <QVector>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QTabWidget;

namespace kovia {

struct HelpTopic {
  QString id;
  QString title;
};

// The topics of a help file's HTML, in the file's order.
QVector<HelpTopic> parseHelpTopics(const QString& html);

// Where the help file is: <appDir>/help/kovia.html, else
// <appDir>/../share/kovia/help/kovia.html, else <sourceDir>/help/kovia.html; the first
// that exists, or an empty string when none does.
QString locateHelpFile(const QString& appDir, const QString& sourceDir);

// locateHelpFile for the running program and the source folder it was built from.
QString defaultHelpFile();

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  explicit HelpViewer(QWidget* parent = nullptr);

  // Shows `path`, or the default help file when `path` is empty or not an HTML file that
  // exists. Returns false (and says so in the page) when no help file can be read.
  bool openFile(const QString& path);
  QString currentFile() const { return file_; }
  const QVector<HelpTopic>& topics() const { return topics_; }

  // Scrolls the page to topic `id`.
  void showTopic(const QString& id);
  // Fills the index with the topics whose title contains `text` (case and accents
  // ignored), sorted by title; returns their number.
  int filterIndex(const QString& text);
  QStringList indexTitles() const;

 private:
  QTabWidget* tabs_;
  QListWidget* contents_;
  QLineEdit* search_;
  QListWidget* index_;
  QTextBrowser* browser_;
  QString file_;
  QVector<HelpTopic> topics_;
};

}  // namespace kovia
