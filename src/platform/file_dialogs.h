// The open and save dialog objects a window keeps (OpenDialog1, SaveDialog1 ...). Each
// remembers its filter, filter index, title and the last file name between uses, and
// asks the operator through the seam.
#pragma once

#include <QObject>
#include <QString>

namespace kovia {

class OpenDialog : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString fileName READ FileName)

 public:
  explicit OpenDialog(QObject* parent = nullptr, const QString& name = QString());

  // "Texto|*.txt|Datos|*.dat": names and patterns alternate.
  QString Filter() const { return filter_; }
  void setFilter(const QString& filter) { filter_ = filter; }
  // From 1; after Execute() the filter selected when the dialog closed.
  int FilterIndex() const { return filterIndex_; }
  void setFilterIndex(int index) { filterIndex_ = index; }
  QString Title() const { return title_; }
  void setTitle(const QString& title) { title_ = title; }
  QString InitialDir() const { return initialDir_; }
  void setInitialDir(const QString& dir) { initialDir_ = dir; }
  QString FileName() const { return fileName_; }
  void setFileName(const QString& name) { fileName_ = name; }

  // Shows the dialog; true when the operator chose a file (FileName and FilterIndex
  // then hold the choice), false when the operator cancelled (nothing changes).
  bool Execute();

 private:
  QString filter_;
  int filterIndex_ = 1;
  QString title_;
  QString initialDir_;
  QString fileName_;
};

class SaveDialog : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString fileName READ FileName)

 public:
  explicit SaveDialog(QObject* parent = nullptr, const QString& name = QString());

  QString Filter() const { return filter_; }
  void setFilter(const QString& filter) { filter_ = filter; }
  int FilterIndex() const { return filterIndex_; }
  void setFilterIndex(int index) { filterIndex_ = index; }
  QString Title() const { return title_; }
  void setTitle(const QString& title) { title_ = title; }
  // Without the dot ("txt"); given to a chosen name that has no extension.
  QString DefaultExt() const { return defaultExt_; }
  void setDefaultExt(const QString& ext) { defaultExt_ = ext; }
  QString InitialDir() const { return initialDir_; }
  void setInitialDir(const QString& dir) { initialDir_ = dir; }
  // The last name chosen, proposed again by the next Execute().
  QString FileName() const { return fileName_; }
  void setFileName(const QString& name) { fileName_ = name; }

  // Shows the dialog; true when the operator chose a name (FileName holds it, with the
  // default extension added when it had none), false when the operator cancelled.
  bool Execute();

 private:
  QString filter_;
  int filterIndex_ = 1;
  QString title_;
  QString defaultExt_;
  QString initialDir_;
  QString fileName_;
};

// `path` with ".ext" appended when its file name has no extension (and ext is not empty).
QString withDefaultExtension(const QString& path, const QString& ext);

}  // namespace kovia
