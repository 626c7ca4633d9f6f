#pragma once
// The radio's option flags (FCC inhibit, receive expansion) in force for the memory model
// while this object lives, under the destination of the document being read or written:
// the image that goes to or comes from a radio follows that radio's options, as the window
// takes them into its settings. The model settings in force before come back afterwards.
#include "memory/PlainModelSettings.h"

class RadioOptionFlags {
 public:
  RadioOptionFlags(int destination, bool fccInhibit, bool receiveExpansion);
  ~RadioOptionFlags();
  RadioOptionFlags(const RadioOptionFlags&) = delete;
  RadioOptionFlags& operator=(const RadioOptionFlags&) = delete;

 private:
  PlainModelSettings settings_;
  const ModelSettings* previous_;
};
