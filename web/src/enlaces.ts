// Links that open an exercise straight away: ?ejemplo=NOMBRE or ?fuente=URL, with an optional control unit and
// a run; ?ejercicio=URL loads an exercise with test cases for the "Comprobar" self-check.
import type { ControlV1 } from './modulo';

export interface Enlace {
  ejemplo: string | null;
  fuente: string | null;
  ejercicio: string | null;
  control: ControlV1 | undefined;
  ejecucion: { tipo: 'instrucciones' | 'ciclos'; n: number } | null;
}

const controles: ControlV1[] = ['normal', 'optimizado', 'microprogramado'];

function entero(texto: string | null): number | null {
  return texto !== null && /^\d{1,9}$/.test(texto) ? Number(texto) : null;
}

export function leeEnlace(busqueda: string): Enlace {
  const p = new URLSearchParams(busqueda);
  const ejemplo = p.get('ejemplo');
  const control = p.get('control') as ControlV1 | null;
  const instrucciones = entero(p.get('instrucciones'));
  const ciclos = entero(p.get('ciclos'));
  return {
    // Only a bare name: the example is a file of the site's own folder.
    ejemplo: ejemplo && /^[\w-]+$/.test(ejemplo) ? ejemplo : null,
    fuente: p.get('fuente'),
    ejercicio: p.get('ejercicio'),
    control: control && controles.includes(control) ? control : undefined,
    ejecucion:
      instrucciones !== null
        ? { tipo: 'instrucciones', n: instrucciones }
        : ciclos !== null
          ? { tipo: 'ciclos', n: ciclos }
          : null,
  };
}
