#!/usr/bin/python3
"""Starts Debian's Orca for the Orca walkthrough, with a debug file that records what Orca would
have said.

Usage: run_orca.py DEBUG_FILE

Braille (which would talk to a braille display on the machine, if any), sounds, and key echo
(which would only add the names of the pressed keys to the record) are off. Speech is on, since
with it off Orca drops its messages (announcements among them) before they reach the debug file.

This runs the main() of /usr/bin/orca with three changes, none of which touches what Orca says:

- Orca allows one copy per user on the whole machine: `orca --replace` kills every other process
  named orca of the same user with SIGKILL, and without --replace Orca refuses to start while one
  runs. On a machine shared by several developers and their test runs under one user that would
  kill, or wait for, Orcas that are not ours. This Orca has its own X server and its own buses, so
  it neither looks for other Orcas nor takes the name theirs look for.
- Orca has no speech server (speech-dispatcher would speak on the machine), so it speaks nothing.
- The debug file is written line by line instead of in blocks of 8 KiB, so the walkthrough reads
  each sentence as soon as Orca has produced it.
"""
import builtins
import functools
import importlib.machinery
import importlib.util
import sys

ORCA = "/usr/bin/orca"

loader = importlib.machinery.SourceFileLoader("orca_command", ORCA)
orca_module = importlib.util.spec_from_loader("orca_command", loader)
command = importlib.util.module_from_spec(orca_module)
loader.exec_module(command)

# Orca 43 and 48 both have these; a later Orca that renamed them would otherwise quietly kill
# or wait for other Orcas again.
for name in ("otherOrcas", "setProcessName", "main"):
    if not callable(getattr(command, name, None)):
        sys.exit(f"run_orca.py: {ORCA} has no {name}(); this Orca is not started the way it expects")
command.otherOrcas = lambda: []
command.setProcessName = lambda name: False
command.open = functools.partial(builtins.open, buffering=1)
orca_settings = importlib.import_module("orca.settings")
orca_settings.speechServerFactory, orca_settings.speechFactoryModules = None, []

sys.argv = [ORCA, "--disable", "braille,sound,key-echo", "--debug-file", sys.argv[1]]
sys.exit(command.main())
