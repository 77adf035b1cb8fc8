#include "presentation/ImportPreviewModel.h"

#include <gtest/gtest.h>

// The preview's table as the import window shows it: what may be ticked and which program chosen.
TEST(ImportPreviewModel, OnlyGamesThatCanBeMadeAreTickedAndOnlyOfferedProgramsChosen)
{
    ImportPreview preview;
    for (int i = 0; i < 3; ++i) {
        ImportRow row;
        row.game.entry[EntryField::Name] = QStringLiteral("Game %1").arg(i);
        preview.rows.push_back(row);
    }
    preview.rows[0].game.importable = false;
    preview.rows[0].ticked = false;
    preview.rows[1].alreadyImported = true;
    preview.rows[1].ticked = false;
    preview.rows[2].game.programs = {QStringLiteral("A.EXE"), QStringLiteral("B.BAT")};
    preview.rows[2].game.entry[EntryField::Executable] = QStringLiteral("A.EXE");
    preview.rows[2].game.problems.emplace_back(Failure::Kind::ImportSeveralPrograms);
    ImportPreviewModel model;
    model.setPreview(preview);
    for (int row = 0; row < 2; ++row)
        EXPECT_FALSE(model.setData(model.index(row, ImportPreviewModel::Ticked), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(model.setData(model.index(2, ImportPreviewModel::Ticked), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_EQ(model.preview().counts().ticked, 0);
    const QModelIndex program = model.index(2, ImportPreviewModel::Program);
    EXPECT_FALSE(model.setData(program, QStringLiteral("C.EXE"), Qt::EditRole));
    EXPECT_TRUE(model.setData(program, QStringLiteral("B.BAT"), Qt::EditRole));
    EXPECT_EQ(model.preview().rows[2].game.entry[EntryField::Executable], QStringLiteral("B.BAT"));
    EXPECT_TRUE(model.preview().rows[2].game.problems.empty());
    EXPECT_FALSE(model.flags(model.index(1, ImportPreviewModel::Program)) & Qt::ItemIsEditable);
}
