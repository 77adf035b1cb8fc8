@ECHO OFF
CLS
ECHO.
ECHO   *******************************************
ECHO   *   TURBO PROMPT                          *
ECHO   *   Hello from the Pallox sample library! *
ECHO   *   DOSBox started this batch file.       *
ECHO   *******************************************
ECHO.
PAUSE
