// Shared body of the map pages. The player drives a page in one direction
// only: it runs updateMarkerPosition(...) and drawPolyLinePath(...) in it.
// Each page passes its tile source and how its arguments read as positions.
(function () {
    'use strict';

    function finite(v) {
        return typeof v === 'number' && isFinite(v);
    }

    window.createMapPage = function (config) {
        var map = L.map('map', {zoomControl: true, attributionControl: true, worldCopyJump: true});
        map.setView(config.initialCenter, config.initialZoom);

        var notice = document.getElementById('notice');
        var tilesLoaded = 0;
        var tilesFailed = 0;
        function updateNotice() {
            // Offline, only the plain background, the track and the marker show.
            notice.style.display = tilesFailed > 0 && tilesLoaded === 0 ? 'block' : 'none';
        }
        var tiles = L.tileLayer(config.tiles.url, {
            subdomains: config.tiles.subdomains,
            maxZoom: config.tiles.maxZoom,
            attribution: config.tiles.attribution
        });
        tiles.on('tileload', function () { tilesLoaded++; updateNotice(); });
        tiles.on('tileerror', function () { tilesFailed++; updateNotice(); });
        tiles.addTo(map);

        var track = null;
        var trackPoints = [];
        var marker = null;
        var lastSent = null;

        function toLatLng(position) {
            if (!position || !finite(position.lat) || !finite(position.lng))
                return null;
            if (Math.abs(position.lat) > 90 || Math.abs(position.lng) > 180)
                return null;
            return config.toDisplay(position.lat, position.lng);
        }

        function fitTrack() {
            if (trackPoints.length > 1)
                map.fitBounds(L.latLngBounds(trackPoints), {padding: [24, 24]});
            else if (trackPoints.length === 1)
                map.setView(trackPoints[0], 16);
        }

        window.updateMarkerPosition = function (arg) {
            var sent = config.readPosition(arg);
            var latLng = toLatLng(sent);
            if (!latLng)
                return;
            lastSent = sent;
            if (marker) {
                marker.setLatLng(latLng);
            } else {
                marker = L.circleMarker(latLng, {radius: 7, color: '#ffffff', weight: 2,
                                                 fillColor: '#1e6fd9', fillOpacity: 1});
                marker.addTo(map);
            }
            // Before any track the marker alone decides the view.
            if (trackPoints.length === 0)
                map.setView(latLng, Math.max(map.getZoom(), 14));
            else if (!map.getBounds().contains(latLng))
                map.panTo(latLng);
        };

        window.drawPolyLinePath = function (path) {
            if (!Array.isArray(path))
                return;
            var points = [];
            for (var i = 0; i < path.length; i++) {
                var latLng = toLatLng(config.readPosition(path[i]));
                if (latLng)
                    points.push(latLng);
            }
            if (track) {
                map.removeLayer(track);
                track = null;
            }
            trackPoints = points;
            if (points.length > 0)
                track = L.polyline(points, {color: '#e53935', weight: 4, opacity: 0.9}).addTo(map);
            if (marker)
                marker.bringToFront();
            fitTrack();
        };

        // Read-only view of what the page shows, for tests and diagnostics.
        window.mapPageState = function () {
            return {
                points: trackPoints.length,
                marker: lastSent ? {lat: lastSent.lat, lng: lastSent.lng} : null,
                tilesUnavailable: notice.style.display === 'block'
            };
        };

        window.addEventListener('resize', function () {
            map.invalidateSize();
            fitTrack();
        });
    };
})();
