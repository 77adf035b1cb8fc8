#include "dosboxconf/DOSBoxConfForm.h"
#include "dosboxconf/DOSBoxConfKeys.h"
#include "presentation/DOSBoxConfControls.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

// Two values shown by one control would read back as one; a value without a control would be
// written from nothing.
TEST(DOSBoxConfControls, EveryValueHasAControlOfItsOwn)
{
    QSet<QString> controls;
    int values = 0;
    for (const ConfKey &key : DOSBoxConfKeys::all()) {
        for (const QString &name : DOSBoxConfForm::valueNamesOf(key)) {
            const QString control = DOSBoxConfControls::objectName(name);
            EXPECT_FALSE(control.isEmpty()) << name.toStdString();
            controls.insert(control);
            ++values;
        }
    }
    EXPECT_EQ(controls.size(), values);
    EXPECT_EQ(DOSBoxConfControls::objectName(QStringLiteral("sdl/priority/nonfocused")),
              QStringLiteral("cbPriorityNonFocused"));
    EXPECT_EQ(DOSBoxConfControls::objectName(QStringLiteral("gus/irq2")), QStringLiteral("cbGusirq2"));
    EXPECT_TRUE(DOSBoxConfControls::objectName(QStringLiteral("checkFullscreen")).isEmpty());
}

} // namespace
