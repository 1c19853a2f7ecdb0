// The game under Node sees the shell's environment, as the native game does:
// HOME and XDG_DATA_HOME find its best games for --scores and --verify N.
// Emscripten otherwise gives it a fixed one of its own.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(() => Object.assign(ENV, process.env));
