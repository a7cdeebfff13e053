// The JavaScript face of the page module over its embind bindings: optional arguments, the run in slices
// as an object, and libera().
// The bound classes exist once the runtime has started, before the module's promise resolves.
(function () {
  const anterior = Module['onRuntimeInitialized'];
  Module['onRuntimeInitialized'] = function () {
    caraJavaScript();
    if (anterior) anterior();
  };
})();
function caraJavaScript() {
  const S = Module['Simulacion'].prototype;
  S['instrucciones'] = function (n, maxCiclos) { return this['_instrucciones'](n, maxCiclos); };
  S['hastaBreakpoint'] = function (maxCiclos) { return this['_hastaBreakpoint'](maxCiclos); };
  S['porTramos'] = function (tipo, n, maxCiclos) {
    const sim = this;
    const numero = sim['_porTramos'](tipo, n, maxCiclos);
    return {
      'avanza': function (maxCiclosTramo) { return sim['_avanza'](numero, maxCiclosTramo); },
      'detener': function () { sim['_detenerTramos'](numero); },
    };
  };
  S['libera'] = function () { this['delete'](); };
  Module['montar'] = function (texto, nombre) { return Module['_montar'](texto, nombre); };
  Module['abrir'] = function (opciones, anfitrion) { return Module['_abrir'](opciones, anfitrion); };
  Module['leeMicroprograma'] = function (bytes, nombre) { return Module['_leeMicroprograma'](bytes, nombre); };
}
