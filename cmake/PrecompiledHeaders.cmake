# Every unit of the project parses some 100,000 lines of Qt and standard headers for a few hundred
# lines of its own; precompiling those headers once per layer makes parsing the smaller part of a
# build. Units must still include what they use: a build with PALLOX_PRECOMPILED_HEADERS=OFF checks.
set(PALLOX_PCH_CORE
  <algorithm> <array> <functional> <memory> <optional> <utility> <vector>
  <QByteArray> <QColor> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QImage> <QObject> <QRect>
  <QSaveFile> <QSet> <QSize> <QString> <QStringList> <QVector>)
set(PALLOX_PCH_UI ${PALLOX_PCH_CORE}
  <QComboBox> <QEvent> <QFont> <QHBoxLayout> <QKeyEvent> <QLabel> <QLineEdit> <QMouseEvent>
  <QPainter> <QPushButton> <QVBoxLayout> <QWidget>)
set(PALLOX_PCH_TESTS ${PALLOX_PCH_UI} <gtest/gtest.h> <QAction> <QApplication> <QListWidget>
  <QTemporaryDir> <QTest>)

# Gives TARGET the precompiled headers of LAYER (CORE, UI or TESTS).
function(pallox_precompile target layer)
  if(PALLOX_PRECOMPILED_HEADERS)
    target_precompile_headers(${target} PRIVATE ${PALLOX_PCH_${layer}})
  endif()
endfunction()

# Lets TARGET use the headers precompiled for OTHER, whose compile options it shares.
function(pallox_precompile_from target other)
  if(PALLOX_PRECOMPILED_HEADERS)
    target_precompile_headers(${target} REUSE_FROM ${other})
  endif()
endfunction()
