#pragma once
// The editable box for a port number 1-256: its list shows the serial ports the system
// reports, each number with its device, read again whenever the list drops down; choosing one
// puts only the number in the box. The COM port dialog and the initial setup both ask for
// the port with it.
#include <QComboBox>
#include <optional>

class cmcGTex;
class indEnviron;

class PortNumberBox final : public QComboBox {
 public:
  // environ (the port numbers kept in the user's settings, and "ComPort") must outlive the
  // box. The box starts with "ComPort" when that is a valid number, else empty.
  PortNumberBox(QWidget* parent, indEnviron& environ);

  // Reads the system's ports into the list; the typed text stays.
  void RefreshPorts();
  // The trimmed text as a port number, or none when it is no number from 1 to 256.
  std::optional<int> Number() const;
  // Tells the user with the error message of messageKey that the number cannot be used, and
  // puts the cursor back into the box.
  void RefuseNumber(cmcGTex& texts, const char* messageKey);

  void showPopup() override;

 private:
  indEnviron& environ_;
};
