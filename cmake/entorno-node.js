// Prepended to the command-line tools run under Node: they see the process's environment (TMPDIR, HOME...)
// as the native tools do, instead of the fixed one the WebAssembly runtime makes up.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  Object.assign(ENV, process.env);
});
