// Every command of the robot; Robot.cpp maps the names to them.
#pragma once
#include "tests/e2e/robot/Session.h"

// Processes and top-level windows (WindowCommands.cpp).
bool SetTimeoutCommand(Session&, const RobotCommand&, std::string&);
bool WaitProcessCommand(Session&, const RobotCommand&, std::string&);
bool WaitWindowCommand(Session&, const RobotCommand&, std::string&);
bool WaitGoneCommand(Session&, const RobotCommand&, std::string&);
bool ListWindowsCommand(Session&, const RobotCommand&, std::string&);
bool WaitExitCommand(Session&, const RobotCommand&, std::string&);
bool TerminateCommand(Session&, const RobotCommand&, std::string&);
bool WaitFileCommand(Session&, const RobotCommand&, std::string&);
bool AbsentUntilExitCommand(Session&, const RobotCommand&, std::string&);

// Controls of the current window (ControlCommands.cpp).
bool ListChildrenCommand(Session&, const RobotCommand&, std::string&);
bool PrintTextCommand(Session&, const RobotCommand&, std::string&);
bool ExpectTextCommand(Session&, const RobotCommand&, std::string&);
bool ExpectStateCommand(Session&, const RobotCommand&, std::string&);
bool ClickCommand(Session&, const RobotCommand&, std::string&);
bool CheckCommand(Session&, const RobotCommand&, std::string&);
bool SetTextCommand(Session&, const RobotCommand&, std::string&);
bool KeysCommand(Session&, const RobotCommand&, std::string&);
bool TypeCommand(Session&, const RobotCommand&, std::string&);

// List views (ListViewCommands.cpp).
bool ListViewCommand(Session&, const RobotCommand&, std::string&);
bool ListViewCheckCommand(Session&, const RobotCommand&, std::string&);

// The screen and the file system (ScreenCommands.cpp).
bool PixelCommand(Session&, const RobotCommand&, std::string&);
bool ExpectPixelCommand(Session&, const RobotCommand&, std::string&);
bool GradientCommand(Session&, const RobotCommand&, std::string&);
bool ShortPathCommand(Session&, const RobotCommand&, std::string&);
bool ScreenshotCommand(Session&, const RobotCommand&, std::string&);

// A whole run, dialog after dialog (WalkCommand.cpp).
bool WalkCommand(Session&, const RobotCommand&, std::string&);

// The wizard pages: client area, real mouse clicks, enabling controls
// (PageCommands.cpp).
bool ClientRectCommand(Session&, const RobotCommand&, std::string&);
bool MouseClickCommand(Session&, const RobotCommand&, std::string&);
bool SetEnabledCommand(Session&, const RobotCommand&, std::string&);

// Rows of list views (ListViewRowCommands.cpp).
bool ListViewClickCommand(Session&, const RobotCommand&, std::string&);
bool ExpectRowCommand(Session&, const RobotCommand&, std::string&);

// The folder browser's tree, free disk space and special folders (ChoiceCommands.cpp).
bool TreeCommand(Session&, const RobotCommand&, std::string&);
bool TreeSelectCommand(Session&, const RobotCommand&, std::string&);
bool FreeSpaceCommand(Session&, const RobotCommand&, std::string&);
bool SpecialFolderCommand(Session&, const RobotCommand&, std::string&);

// Files changed while the program runs: a disk taken out or inserted, a file
// kept open or loaded (FileCommands.cpp).
bool MoveFileCommand(Session&, const RobotCommand&, std::string&);
bool HoldFileCommand(Session&, const RobotCommand&, std::string&);
bool LoadLibraryCommand(Session&, const RobotCommand&, std::string&);
bool RestartMoveCommand(Session&, const RobotCommand&, std::string&);

// Moves the current window (MoveWindowCommand.cpp).
bool MoveWindowCommand(Session&, const RobotCommand&, std::string&);
