// Program-wide form variables and the registry a scenario runner finds forms in.
#include "platform/form.h"

#include <gtest/gtest.h>

namespace kovia {

class TFormProbe : public Form {
  Q_OBJECT

 public:
  using Form::Form;
};

inline FormVar<TFormProbe> FormProbe;
inline FormVar<TFormProbe> Form18{"Form18"};

namespace {

TEST(FormVar, RefersToTheNewestInstanceAndReadsAbsentOnceItIsGone) {
  auto* first = new TFormProbe;
  FormProbe = first;
  EXPECT_EQ(FormProbe.name(), QStringLiteral("FormProbe"));  // the class name without its 'T'
  EXPECT_EQ(first->objectName(), QStringLiteral("FormProbe"));
  EXPECT_EQ(FormRegistry::find(QStringLiteral("FormProbe")), first);

  auto* second = new TFormProbe;
  FormProbe = second;
  EXPECT_EQ(FormProbe.get(), second);
  EXPECT_EQ(FormRegistry::find(QStringLiteral("FormProbe")), second);

  delete first;  // an older instance going away changes nothing
  EXPECT_EQ(FormProbe.get(), second);
  delete second;
  EXPECT_EQ(FormProbe.get(), nullptr);
  EXPECT_EQ(FormRegistry::find(QStringLiteral("FormProbe")), nullptr);
  EXPECT_EQ(FormRegistry::find(QStringLiteral("FormNunca")), nullptr);
}

TEST(FormVar, AnExplicitNameIsTheRegistryName) {
  TFormProbe form;
  Form18 = &form;
  EXPECT_EQ(FormRegistry::find(QStringLiteral("Form18")), &form);
  EXPECT_TRUE(FormRegistry::names().contains(QStringLiteral("Form18")));
  EXPECT_EQ(static_cast<TFormProbe*>(Form18), &form);
}

}  // namespace
}  // namespace kovia

#include "form_test.moc"
