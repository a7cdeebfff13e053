// Under Node the module is an ES module too (_scriptDir: its URL, set by the module wrapper): the loader's Node branch wants require() and __dirname,
// which an ES module lacks, and it would fetch() the .wasm, which Node cannot do on a file. So, in Node
// only, both are made here and the .wasm is read from beside this file (or where locateFile says).
var require, __dirname;
if (typeof process == 'object' && process.versions && process.versions.node && process.getBuiltinModule) {
  require = process.getBuiltinModule('module').createRequire(_scriptDir);
  __dirname = require('path').dirname(require('url').fileURLToPath(_scriptDir));
  if (!Module['wasmBinary']) {
    Module['wasmBinary'] = require('fs').readFileSync(
      Module['locateFile'] ? Module['locateFile']('velmo.wasm', __dirname + '/') : __dirname + '/velmo.wasm');
  }
}
