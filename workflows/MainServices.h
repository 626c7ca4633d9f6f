#pragma once
// The process-wide objects the controller and its commands work with: the settings, the text
// database and the event manager. They outlive every user.
class cmcEvMan;
class cmcGTex;
class indEnviron;

struct MainServices {
  indEnviron& environ;
  cmcGTex& texts;
  cmcEvMan& events;
};
