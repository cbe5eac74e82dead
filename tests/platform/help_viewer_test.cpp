// Where the help file is looked up, and the topics of the help-topics window.
#include "platform/help_viewer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace kovia {
namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

TEST(HelpFile, IsLookedUpBesideTheProgramThenInShareThenInTheSources) {
  QTemporaryDir root;
  ASSERT_TRUE(root.isValid());
  const QString app = root.filePath(QStringLiteral("prefix/bin"));
  const QString source = root.filePath(QStringLiteral("src"));
  QDir().mkpath(app);
  const QString beside = app + QStringLiteral("/help/kovia.html");
  const QString shared = root.filePath(QStringLiteral("prefix/share/kovia/help/kovia.html"));
  const QString fallback = source + QStringLiteral("/help/kovia.html");

  EXPECT_EQ(locateHelpFile(app, source), QString());
  writeFile(fallback, "<h2 id=\"a\">A</h2>");
  EXPECT_EQ(locateHelpFile(app, source), QDir::cleanPath(fallback));
  writeFile(shared, "<h2 id=\"a\">A</h2>");
  EXPECT_EQ(locateHelpFile(app, source), QDir::cleanPath(shared));
  writeFile(beside, "<h2 id=\"a\">A</h2>");
  EXPECT_EQ(locateHelpFile(app, source), QDir::cleanPath(beside));
}

TEST(HelpFile, TopicsAreTheIdentifiedSecondLevelHeadings) {
  const QString html = QStringLiteral(
      "<h1>Kovia</h1><h2 id=\"inicio\">Ventana <em>principal</em></h2><p>x</p>"
      "<h2>Sin identificador</h2><H2 class=\"t\" id='allan'>Ra&iacute;z de la Varianza\n de Allan</H2>");
  const QVector<HelpTopic> topics = parseHelpTopics(html);
  ASSERT_EQ(topics.size(), 2);
  EXPECT_EQ(topics[0].id, QStringLiteral("inicio"));
  EXPECT_EQ(topics[0].title, QStringLiteral("Ventana principal"));
  EXPECT_EQ(topics[1].id, QStringLiteral("allan"));
  EXPECT_EQ(topics[1].title, QStringLiteral("Raíz de la Varianza de Allan"));
}

TEST(HelpViewer, IndexSearchIgnoresCaseAndAccents) {
  QTemporaryDir root;
  const QString path = root.filePath(QStringLiteral("kovia.html"));
  writeFile(path, QStringLiteral("<html><body><h2 id=\"fase\">Diferencia de fase</h2>"
                                 "<h2 id=\"indice\">Índice de ruido</h2><h2 id=\"allan\">Desviación de Allan</h2>"
                                 "</body></html>")
                      .toUtf8());
  HelpViewer viewer;
  ASSERT_TRUE(viewer.openFile(path));
  EXPECT_EQ(viewer.topics().size(), 3);
  EXPECT_EQ(viewer.indexTitles(), (QStringList{QStringLiteral("Desviación de Allan"),
                                               QStringLiteral("Diferencia de fase"),
                                               QStringLiteral("Índice de ruido")}));
  EXPECT_EQ(viewer.filterIndex(QStringLiteral("INDICE")), 1);
  EXPECT_EQ(viewer.indexTitles(), QStringList{QStringLiteral("Índice de ruido")});
  EXPECT_EQ(viewer.filterIndex(QStringLiteral("desviacion")), 1);
  EXPECT_EQ(viewer.filterIndex(QStringLiteral("zzz")), 0);
}

}  // namespace
}  // namespace kovia
