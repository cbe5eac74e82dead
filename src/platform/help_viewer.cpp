#include "platform/help_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#ifndef KOVIA_SOURCE_DIR
#define KOVIA_SOURCE_DIR ""
#endif

namespace kovia {

namespace {

constexpr int kTopicIdRole = Qt::UserRole + 1;

// Lower case without accents, for the index search.
QString foldForSearch(const QString& text) {
  const QString decomposed = text.normalized(QString::NormalizationForm_D);
  QString folded;
  folded.reserve(decomposed.size());
  for (const QChar c : decomposed) {
    if (c.category() != QChar::Mark_NonSpacing) folded.append(c.toLower());
  }
  return folded;
}

}  // namespace

QVector<HelpTopic> parseHelpTopics(const QString& html) {
  static const QRegularExpression heading(
      QStringLiteral(R"(<h2\b[^>]*\bid\s*=\s*["']([^"']+)["'][^>]*>(.*?)</h2\s*>)"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  QVector<HelpTopic> topics;
  for (auto it = heading.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const QString title = QTextDocumentFragment::fromHtml(m.captured(2)).toPlainText().simplified();
    topics.push_back({m.captured(1), title});
  }
  return topics;
}

QString locateHelpFile(const QString& appDir, const QString& sourceDir) {
  QStringList candidates;
  if (!appDir.isEmpty()) {
    candidates << QDir(appDir).filePath(QStringLiteral("help/kovia.html"))
               << QDir(appDir).filePath(QStringLiteral("../share/kovia/help/kovia.html"));
  }
  if (!sourceDir.isEmpty()) candidates << QDir(sourceDir).filePath(QStringLiteral("help/kovia.html"));
  for (const QString& candidate : candidates) {
    const QFileInfo info(candidate);
    if (info.isFile() && info.isReadable()) return QDir::cleanPath(info.absoluteFilePath());
  }
  return {};
}

QString defaultHelpFile() {
  return locateHelpFile(QCoreApplication::applicationDirPath(), QString::fromUtf8(KOVIA_SOURCE_DIR));
}

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window),
      tabs_(new QTabWidget),
      contents_(new QListWidget),
      search_(new QLineEdit),
      index_(new QListWidget),
      browser_(new QTextBrowser) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QStringLiteral("Temas de Ayuda de Kovia"));
  resize(860, 600);

  auto* indexPage = new QWidget;
  auto* indexLayout = new QVBoxLayout(indexPage);
  indexLayout->addWidget(new QLabel(QStringLiteral("Escriba las primeras letras del tema:")));
  search_->setClearButtonEnabled(true);
  indexLayout->addWidget(search_);
  indexLayout->addWidget(index_);
  tabs_->addTab(contents_, QStringLiteral("Contenido"));
  tabs_->addTab(indexPage, QStringLiteral("Índice"));

  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(false);
  auto* splitter = new QSplitter;
  splitter->addWidget(tabs_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({260, 600});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(splitter);

  const auto showItem = [this](QListWidgetItem* item) {
    if (item != nullptr) showTopic(item->data(kTopicIdRole).toString());
  };
  connect(contents_, &QListWidget::itemClicked, this, showItem);
  connect(contents_, &QListWidget::itemActivated, this, showItem);
  connect(index_, &QListWidget::itemActivated, this, showItem);
  connect(index_, &QListWidget::itemDoubleClicked, this, showItem);
  connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) { filterIndex(text); });
  connect(search_, &QLineEdit::returnPressed, this, [this, showItem] { showItem(index_->currentItem()); });
}

bool HelpViewer::openFile(const QString& path) {
  QString chosen = path;
  const QFileInfo info(path);
  const bool html = info.suffix().compare(QStringLiteral("html"), Qt::CaseInsensitive) == 0 ||
                    info.suffix().compare(QStringLiteral("htm"), Qt::CaseInsensitive) == 0;
  if (path.isEmpty() || !html || !info.isFile()) chosen = defaultHelpFile();
  QFile file(chosen);
  contents_->clear();
  topics_.clear();
  if (chosen.isEmpty() || !file.open(QIODevice::ReadOnly)) {
    file_.clear();
    browser_->setHtml(QStringLiteral("<p>No se encontró el archivo de ayuda kovia.html.</p>"));
    filterIndex(QString());
    return false;
  }
  file_ = QFileInfo(chosen).absoluteFilePath();
  const QString html_text = QString::fromUtf8(file.readAll());
  topics_ = parseHelpTopics(html_text);
  browser_->setSearchPaths({QFileInfo(chosen).absolutePath()});
  browser_->setSource(QUrl::fromLocalFile(file_));
  for (const HelpTopic& topic : topics_) {
    auto* item = new QListWidgetItem(topic.title, contents_);
    item->setData(kTopicIdRole, topic.id);
  }
  filterIndex(search_->text());
  return true;
}

void HelpViewer::showTopic(const QString& id) {
  if (!id.isEmpty()) browser_->scrollToAnchor(id);
}

int HelpViewer::filterIndex(const QString& text) {
  const QString needle = foldForSearch(text.trimmed());
  QVector<HelpTopic> matches;
  for (const HelpTopic& topic : topics_) {
    if (needle.isEmpty() || foldForSearch(topic.title).contains(needle)) matches.push_back(topic);
  }
  std::sort(matches.begin(), matches.end(), [](const HelpTopic& a, const HelpTopic& b) {
    return QString::localeAwareCompare(foldForSearch(a.title), foldForSearch(b.title)) < 0;
  });
  index_->clear();
  for (const HelpTopic& topic : matches) {
    auto* item = new QListWidgetItem(topic.title, index_);
    item->setData(kTopicIdRole, topic.id);
  }
  if (index_->count() > 0) index_->setCurrentRow(0);
  return index_->count();
}

QStringList HelpViewer::indexTitles() const {
  QStringList titles;
  for (int i = 0; i < index_->count(); ++i) titles << index_->item(i)->text();
  return titles;
}

}  // namespace kovia
