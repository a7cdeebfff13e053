// The JavaScript face of the page module over its embind bindings: optional arguments, the run in slices
// as an object, and libera().
// The page's answers are called through this: an exception of the page comes back as data, and the C++
// side turns it into one of its own, so the engine's frames unwind and the run ends with 'error'.
Module['_llamaPagina'] = function (pagina, metodo, a, b) {
  try {
    return { 'valor': pagina[metodo](a, b) };
  } catch (e) {
    return { 'error': String(e && e.message !== undefined ? e.message : e) };
  }
};

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
  S['libera'] = function () {
    if (this['_enCurso']()) throw new Error('La simulación está ejecutando otra orden');
    this['delete']();
  };
  Module['montar'] = function (texto, nombre) { return Module['_montar'](texto, nombre); };
  Module['abrir'] = function (opciones, anfitrion) { return Module['_abrir'](opciones, anfitrion); };
  Module['leeMicroprograma'] = function (bytes, nombre) { return Module['_leeMicroprograma'](bytes, nombre); };
  Module['comprobarEjercicio'] = function (ejercicio, fuente, microprograma) {
    return Module['_comprobarEjercicio'](ejercicio, fuente, microprograma);
  };
  Module['celdasMicroprograma'] = function (configurable, microprograma) {
    return Module['_celdasMicroprograma'](!!configurable, microprograma);
  };
}
