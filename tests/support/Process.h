// Runs part of a test in a child process, as another user of the register would be.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

// Runs body in a forked child and returns its exit status (body's result), -1 if it died.
template <typename Body>
int InChild(Body body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
