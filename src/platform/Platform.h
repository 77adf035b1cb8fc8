#pragma once

class Shell;
class FileOps;
class Dialogs;
class Clock;
class Random;

// The seams to the operating system, handed to every window and module that needs one.
struct Platform
{
    Shell &shell;
    FileOps &fileOps;
    Dialogs &dialogs;
    Clock &clock;
    Random &random;
};
