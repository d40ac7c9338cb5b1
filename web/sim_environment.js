// Put before the simulator's code when it is built for Node.js: a WebAssembly
// program sees only Emscripten's own environment, so the build's
// SOURCE_DATE_EPOCH, which gives the seeded records their stamp, is copied
// into it from Node's before the program starts.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(() => {
  if (typeof process === 'object' && process.env.SOURCE_DATE_EPOCH !== undefined) {
    ENV['SOURCE_DATE_EPOCH'] = process.env.SOURCE_DATE_EPOCH;
  }
});
