#pragma once
// The COM Port menu's commands: the port setting dialog, and the clone speed, which the cell
// behaviour sets and which is kept at once. Each is the function named after its entry's
// identifier (CL_Menu_Port_Usb: PortUsb, CL_Menu_Com_Speed: ComSpeed).
#include "workflows/MainServices.h"

class cuiMain;

class PortMenuCommands {
 public:
  // main and the services outlive the commands.
  PortMenuCommands(cuiMain& main, MainServices services) : main_(main), services_(services) {}

  void PortUsb();
  void ComSpeed();

 private:
  cuiMain& main_;
  MainServices services_;
};
